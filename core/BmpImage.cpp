#include "core/BmpImage.h"

#include <algorithm>
#include <cstring>

#include "core/LittleEndian.h"
#include "platform/File.h"

namespace {

constexpr std::uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3,
                        BI_ALPHABITFIELDS = 6;

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) {
            return;
        }
        while (((mask >> shift) & 1) == 0) {
            ++shift;
        }
        max = mask >> shift;
    }
    std::uint32_t Get(std::uint32_t pixel) const {
        return max == 0 ? 0
                        : static_cast<std::uint32_t>(
                              static_cast<std::uint64_t>((pixel & mask) >> shift) * 255 / max);
    }
};

}  // namespace

void CBmpImage::Clear() {
    m_nWidth = 0;
    m_nHeight = 0;
    m_pixels.clear();
}

bool CBmpImage::Load(const std::string& path) {
    Clear();
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone)) {
        return false;
    }
    if (file.GetLength() < 26 || file.GetLength() > kMaxFileSize) {
        return false;
    }
    m_file.resize(static_cast<std::size_t>(file.GetLength()));
    if (file.Read(m_file.data(), m_file.size()) != m_file.size()) {
        return false;
    }
    return LoadFromMemory(m_file.data(), m_file.size());
}

bool CBmpImage::LoadFromMemory(const unsigned char* data, std::size_t size) {
    Clear();
    if (size < 26 || data[0] != 'B' || data[1] != 'M') {
        return false;
    }
    // The header and colour table lie between the file header and the pixels.
    const std::uint32_t offBits = U32(data + 10);
    if (offBits <= 14 || offBits >= size) {
        return false;
    }
    return LoadFromDib(data + 14, offBits - 14, data + offBits, size - offBits);
}

bool CBmpImage::LoadFromDib(const unsigned char* info, std::size_t infoSize,
                            const unsigned char* bits, std::size_t available) {
    Clear();
    if (infoSize < 12) {
        return false;
    }
    const std::uint32_t headerSize = U32(info);
    if (headerSize < 12 || headerSize > infoSize) {
        return false;
    }
    std::int64_t width, height;
    std::uint32_t bitCount, compression = BI_RGB, colorsUsed = 0;
    std::size_t paletteEntry = 4;
    if (headerSize == 12) {
        width = U16(info + 4);
        height = static_cast<std::int16_t>(U16(info + 6));
        bitCount = U16(info + 10);
        paletteEntry = 3;
    } else if (headerSize >= 40) {
        width = static_cast<std::int32_t>(U32(info + 4));
        height = static_cast<std::int32_t>(U32(info + 8));
        bitCount = U16(info + 14);
        compression = U32(info + 16);
        colorsUsed = U32(info + 32);
    } else {
        return false;
    }
    const bool bTopDown = height < 0;
    if (bTopDown) {
        height = -height;
    }
    if (width <= 0 || height <= 0 || width * height > kMaxPixels) {
        return false;
    }

    // Bit-field masks: inside a long header, or just after a short one.
    std::uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    std::size_t afterHeader = headerSize;
    if (bitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    }
    if (compression == BI_BITFIELDS || compression == BI_ALPHABITFIELDS) {
        if (bitCount != 16 && bitCount != 32) {
            return false;
        }
        const std::size_t maskBytes = compression == BI_BITFIELDS ? 12 : 16;
        const unsigned char* m = info + (headerSize >= 52 ? 40 : afterHeader);
        if (headerSize < 52) {
            if (afterHeader + maskBytes > infoSize) {
                return false;
            }
            afterHeader += maskBytes;
        }
        for (int i = 0; i < 3; ++i) {
            masks[i] = U32(m + 4 * i);
        }
    } else if (compression == BI_RLE8   ? bitCount != 8
               : compression == BI_RLE4 ? bitCount != 4
                                        : compression != BI_RGB) {
        return false;
    }

    std::uint32_t palette[256] = {};
    if (bitCount == 1 || bitCount == 4 || bitCount == 8) {
        std::size_t entries =
            colorsUsed != 0 && colorsUsed < (1u << bitCount) ? colorsUsed : (1u << bitCount);
        for (std::size_t i = 0; i < entries; ++i) {
            std::size_t at = afterHeader + i * paletteEntry;
            if (at + 3 > infoSize) {
                break;
            }
            palette[i] = info[at + 2] << 16 | info[at + 1] << 8 | info[at];
        }
    } else if (bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return false;
    }
    if (available == 0) {
        return false;
    }

    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    m_pixels.assign(static_cast<std::size_t>(w) * h, palette[0]);
    auto rowOf = [&](int fileRow) {
        return m_pixels.data() + static_cast<std::size_t>(bTopDown ? fileRow : h - 1 - fileRow) * w;
    };

    if (compression == BI_RLE8 || compression == BI_RLE4) {
        const bool b8 = compression == BI_RLE8;
        std::size_t at = 0;
        int x = 0, y = 0;
        // x and y stop at the picture's edge, however many records push them beyond it.
        auto put = [&](unsigned index) {
            if (x < w) {
                rowOf(y)[x] = palette[index & 0xFF];
                ++x;
            }
        };
        while (at + 1 < available && y < h) {
            unsigned count = bits[at], value = bits[at + 1];
            at += 2;
            if (count > 0) {
                for (unsigned i = 0; i < count; ++i) {
                    put(b8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F));
                }
            } else if (value == 0) {
                x = 0;
                ++y;
            } else if (value == 1) {
                break;
            } else if (value == 2) {
                if (at + 1 >= available) {
                    break;
                }
                x = std::min(x + bits[at], w);
                y = std::min(y + bits[at + 1], h);
                at += 2;
            } else {
                const std::size_t bytes = b8 ? value : (value + 1) / 2;
                if (at + bytes > available) {
                    break;
                }
                for (unsigned i = 0; i < value; ++i) {
                    put(b8 ? bits[at + i]
                           : (i % 2 == 0 ? bits[at + i / 2] >> 4 : bits[at + i / 2] & 0x0F));
                }
                at += (bytes + 1) & ~std::size_t(1);
            }
        }
    } else {
        const std::size_t stride = ((static_cast<std::size_t>(w) * bitCount + 31) / 32) * 4;
        if (stride * h > available) {
            Clear();
            return false;
        }
        const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
        const bool bPlain32 =
            bitCount == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
        for (int row = 0; row < h; ++row) {
            const unsigned char* src = bits + stride * row;
            std::uint32_t* dst = rowOf(row);
            switch (bitCount) {
                case 24:
                    for (int i = 0; i < w; ++i, src += 3) {
                        dst[i] = src[2] << 16 | src[1] << 8 | src[0];
                    }
                    break;
                case 32:
                    for (int i = 0; i < w; ++i, src += 4) {
                        std::uint32_t p = U32(src);
                        dst[i] = bPlain32 ? (p & 0xFFFFFF)
                                          : red.Get(p) << 16 | green.Get(p) << 8 | blue.Get(p);
                    }
                    break;
                case 16:
                    for (int i = 0; i < w; ++i, src += 2) {
                        std::uint32_t p = U16(src);
                        dst[i] = red.Get(p) << 16 | green.Get(p) << 8 | blue.Get(p);
                    }
                    break;
                case 8:
                    for (int i = 0; i < w; ++i) {
                        dst[i] = palette[src[i]];
                    }
                    break;
                case 4:
                    for (int i = 0; i < w; ++i) {
                        dst[i] = palette[i % 2 == 0 ? src[i / 2] >> 4 : src[i / 2] & 0x0F];
                    }
                    break;
                case 1:
                    for (int i = 0; i < w; ++i) {
                        dst[i] = palette[(src[i / 8] >> (7 - i % 8)) & 1];
                    }
                    break;
            }
        }
    }
    m_nWidth = w;
    m_nHeight = h;
    return true;
}
