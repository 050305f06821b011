// The bitmaps the import program makes for the library: 24-bit, bottom-up, with a 40-byte
// header, the kind every reader of BMP files takes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Decoded pixels, top-down rows of 8-bit channels.
struct PixelRows {
    const std::uint8_t* pixels;
    std::size_t stride;  // bytes from one row to the next
    int width, height;
    int channels;  // 3 or 4
    bool bAlpha;   // the fourth channel is alpha
    bool bBgr;     // blue first, as Windows lays out pixels
};

// The BMP of `rows` turned upright by an EXIF orientation (1 to 8; 1 leaves it as stored, 6
// turns it a quarter to the right), transparent pixels laid over white.
std::vector<std::uint8_t> EncodeBmp(const PixelRows& rows, int orientation = 1);
