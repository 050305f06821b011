#include "BmpWriter.h"

#include "platform/File.h"

namespace {
void Put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back(v >> 8 & 0xFF);
}
void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<unsigned char> Headers(int width, int height, int bits, std::uint32_t paletteSize,
                                   std::uint32_t imageSize) {
    std::vector<unsigned char> out;
    const std::uint32_t offBits = 14 + 40 + paletteSize * 4;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + imageSize);
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, paletteSize);
    Put32(out, 0);
    return out;
}

bool Save(const std::string& path, const std::vector<unsigned char>& bytes) {
    CFile file;
    return file.Open(path, CFile::modeCreate | CFile::modeWrite) &&
           file.Write(bytes.data(), bytes.size()) && file.Close();
}
}  // namespace

bool WriteBmp24(const std::string& path, int width, int height,
                const std::vector<std::uint32_t>& pixels) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    std::vector<unsigned char> out = Headers(width, height, 24, 0, stride * height);
    for (int y = height - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            out.push_back(p & 0xFF);
            out.push_back(p >> 8 & 0xFF);
            out.push_back(p >> 16 & 0xFF);
        }
        out.resize(start + stride, 0);
    }
    return Save(path, out);
}

bool WriteBmp8(const std::string& path, int width, int height,
               const std::vector<std::uint8_t>& indices,
               const std::vector<std::uint32_t>& palette) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) + 3) & ~3u;
    std::vector<unsigned char> out =
        Headers(width, height, 8, static_cast<std::uint32_t>(palette.size()), stride * height);
    for (std::uint32_t c : palette) {
        Put32(out, c & 0xFFFFFF);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            out.push_back(indices[static_cast<std::size_t>(y) * width + x]);
        }
        out.resize(start + stride, 0);
    }
    return Save(path, out);
}
