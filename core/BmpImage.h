// A BMP file decoded into 32-bit pixels 0x00RRGGBB, rows top-down: 1, 4, 8, 16, 24 and 32
// bits, RLE4, RLE8 and bit fields. The decoder treats every file as hostile: it reads only
// what the file holds and refuses sizes no picture has.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CBmpImage {
public:
    bool Load(const std::string& path);
    bool LoadFromMemory(const unsigned char* data, std::size_t size);
    // The pixels of a bitmap held as two blocks: the info header with its colour table (or
    // bit-field masks), and the pixel array.
    bool LoadFromDib(const unsigned char* info, std::size_t infoSize, const unsigned char* bits,
                     std::size_t bitsSize);
    void Clear();

    bool IsLoaded() const { return m_nWidth > 0; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    const std::uint32_t* Row(int y) const { return m_pixels.data() + std::size_t(y) * m_nWidth; }
    std::uint32_t GetPixel(int x, int y) const { return Row(y)[x]; }

    // The largest picture accepted, in pixels.
    static constexpr std::int64_t kMaxPixels = 16 << 20;
    // Nothing larger than the largest picture in its widest form can be a picture.
    static constexpr std::uint64_t kMaxFileSize =
        static_cast<std::uint64_t>(kMaxPixels) * 4 + 65536;

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<std::uint32_t> m_pixels;
    std::vector<unsigned char> m_file;  // kept between loads to spare the allocation
};
