// A fresh temporary folder for one test, removed with everything in it afterwards, and small
// helpers to put bytes and files into it.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

using Bytes = std::vector<std::uint8_t>;

void WriteBytes(const std::string& path, const Bytes& bytes);

// A group description file's three fields as "name|description|flag", or "unreadable".
std::string GroupFileFields(const std::string& path);
Bytes ReadBytes(const std::string& path);
void MakeFolder(const std::string& path);

// A 24-bit BMP of `width` x `height` filled with `colour` (0x00RRGGBB), optionally with one
// differently coloured pixel at (1, 1).
Bytes MakeBmp24(int width, int height, std::uint32_t colour, std::uint32_t dot = 0xFFFFFFFF);

// A BMP with a 40-byte info header, the given colour table (0x00RRGGBB entries, biClrUsed
// their count) and the pixel bytes as they lie in the file.
Bytes MakeBmp(int width, int height, int bits, std::uint32_t compression,
              const std::vector<std::uint32_t>& palette, const Bytes& pixels);

// The processor time `work` takes, in seconds: what a check of cost measures, as it does
// not grow when a loaded machine gives the test less of its time.
double CpuSecondsFor(const std::function<void()>& work);

// How long a reader that never blocks may take by the clock, however loaded the machine:
// one that blocks waits forever.
constexpr auto kNeverBlocks = std::chrono::seconds(30);
