#include "TestFolder.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "library/PictureGroupStorage.h"

TestFolder::TestFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                           ("plinkapad-test-" + std::to_string(random()));
        std::error_code ec;
        if (std::filesystem::create_directory(path, ec)) {
            m_path = path.generic_string();
        }
    }
}

TestFolder::~TestFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::string GroupFileFields(const std::string& path) {
    std::string name, description;
    BOOL bDisplay = 0;
    if (!ReadGroupFile(path, name, description, bDisplay)) {
        return "unreadable";
    }
    return name + "|" + description + "|" + std::to_string(bDisplay);
}

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void MakeFolder(const std::string& path) {
    std::filesystem::create_directories(path);
}

Bytes MakeBmp24(int width, int height, std::uint32_t colour, std::uint32_t dot) {
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    const std::uint32_t size = 54 + stride * height;
    Bytes b = {'B', 'M'};
    auto put32 = [&b](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(v >> (8 * i) & 0xFF);
    };
    auto put16 = [&b](std::uint32_t v) {
        b.push_back(v & 0xFF);
        b.push_back(v >> 8 & 0xFF);
    };
    put32(size);
    put32(0);
    put32(54);
    put32(40);
    put32(width);
    put32(height);
    put16(1);
    put16(24);
    put32(0);
    put32(stride * height);
    put32(0);
    put32(0);
    put32(0);
    put32(0);
    for (int row = height - 1; row >= 0; --row) {
        std::size_t start = b.size();
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = (x == 1 && row == 1 && dot != 0xFFFFFFFF) ? dot : colour;
            b.push_back(p & 0xFF);
            b.push_back(p >> 8 & 0xFF);
            b.push_back(p >> 16 & 0xFF);
        }
        b.resize(start + stride, 0);
    }
    return b;
}

Bytes MakeBmp(int width, int height, int bits, std::uint32_t compression,
              const std::vector<std::uint32_t>& palette, const Bytes& pixels) {
    Bytes b = {'B', 'M'};
    auto put32 = [&b](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(v >> (8 * i) & 0xFF);
    };
    const std::uint32_t offBits = 54 + 4 * static_cast<std::uint32_t>(palette.size());
    put32(offBits + pixels.size());
    put32(0);
    put32(offBits);
    put32(40);
    put32(static_cast<std::uint32_t>(width));
    put32(static_cast<std::uint32_t>(height));
    b.insert(b.end(), {1, 0, static_cast<std::uint8_t>(bits), 0});
    put32(compression);
    put32(pixels.size());
    put32(0);
    put32(0);
    put32(palette.size());
    put32(0);
    for (std::uint32_t c : palette)
        put32(c);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

double CpuSecondsFor(const std::function<void()>& work) {
    const std::clock_t start = std::clock();
    work();
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}
