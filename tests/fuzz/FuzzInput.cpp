#include "FuzzInput.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
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
