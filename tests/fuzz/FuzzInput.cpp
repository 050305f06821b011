#include "FuzzInput.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

const std::string& FuzzFolder() {
    static const std::string folder = [] {
        std::random_device random;
        auto path =
            std::filesystem::temp_directory_path() / ("plinkapad-fuzz-" + std::to_string(random()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void RemoveOutputAndCheckForLeftovers(const std::string& output) {
    std::filesystem::remove(output);
    if (std::distance(std::filesystem::directory_iterator(FuzzFolder()),
                      std::filesystem::directory_iterator()) != 1) {
        std::abort();
    }
}
