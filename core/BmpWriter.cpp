#include "core/BmpWriter.h"

#include <utility>

#include "core/LittleEndian.h"

std::vector<std::uint8_t> EncodeBmp(const PixelRows& rows, int orientation) {
    if (orientation < 1 || orientation > 8) {
        orientation = 1;
    }
    // Orientations 5 to 8 swap the sides.
    const bool bSwap = orientation >= 5;
    const int w = rows.width, h = rows.height;
    const int width = bSwap ? h : w, height = bSwap ? w : h;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t(3);
    std::vector<std::uint8_t> b(54 + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    PutU32(&b[2], static_cast<std::uint32_t>(b.size()));
    PutU32(&b[10], 54);
    PutU32(&b[14], 40);
    PutU32(&b[18], static_cast<std::uint32_t>(width));
    PutU32(&b[22], static_cast<std::uint32_t>(height));
    PutU16(&b[26], 1);
    PutU16(&b[28], 24);
    PutU32(&b[34], static_cast<std::uint32_t>(stride * height));
    // Where the shown pixel (x, y) is stored.
    const auto stored = [&](int x, int y) -> std::pair<int, int> {
        switch (orientation) {
            case 2:
                return {w - 1 - x, y};
            case 3:
                return {w - 1 - x, h - 1 - y};
            case 4:
                return {x, h - 1 - y};
            case 5:
                return {y, x};
            case 6:
                return {y, h - 1 - x};
            case 7:
                return {w - 1 - y, h - 1 - x};
            case 8:
                return {w - 1 - y, x};
            default:
                return {x, y};
        }
    };
    const int red = rows.bBgr ? 2 : 0, blue = rows.bBgr ? 0 : 2;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* dst = &b[54 + stride * (height - 1 - y)];
        for (int x = 0; x < width; ++x, dst += 3) {
            const auto [sx, sy] = stored(x, y);
            const std::uint8_t* src = rows.pixels + static_cast<std::size_t>(sy) * rows.stride +
                                      static_cast<std::size_t>(sx) * rows.channels;
            const unsigned alpha = rows.bAlpha ? src[3] : 255;
            const auto over = [alpha](unsigned c) {
                return static_cast<std::uint8_t>((c * alpha + 255 * (255 - alpha) + 127) / 255);
            };
            dst[0] = over(src[blue]);
            dst[1] = over(src[1]);
            dst[2] = over(src[red]);
        }
    }
    return b;
}
