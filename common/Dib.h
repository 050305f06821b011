// One device-independent bitmap read from a .bmp file: the info header with its colour
// table, and the pixel array, both exactly as the file stores them, plus the logical
// palette of the colour table. It paints itself at its own size or stretched. The Manage
// Picture Group dialog previews pictures with it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/BmpImage.h"
#include "platform/WinTypes.h"

class CBackBitmap;
class CFile;

#ifndef _WIN32  // Windows' own there
struct PALETTEENTRY {
    std::uint8_t peRed, peGreen, peBlue, peFlags;
};
#endif
using CPalette = std::vector<PALETTEENTRY>;

class CDib {
public:
    CDib() = default;
    CDib(const CDib&) = delete;
    CDib& operator=(const CDib&) = delete;
    ~CDib() { Free(); }

    void Free();
    // Loads the bitmap `file` holds from its start: the file's length in bytes, or 0 with
    // the object empty when it holds no bitmap this class can paint.
    std::uint32_t Read(CFile& file);

    std::int32_t Width() const;
    std::int32_t Height() const;
    std::uint16_t NumColors() const;
    std::uint16_t PaletteSize() const;
    BOOL MakePalette();
    // Draws the part `src` of the image into `dest`: the number of scan lines drawn, 0 when
    // the object is empty.
    std::int32_t Paint(CBackBitmap& dc, const RECT& dest, const RECT& src) const;

    const CPalette* Palette() const { return m_pPalette.get(); }

    // The info header the object works from, and what it adds after the file's bytes.
    static constexpr std::size_t kInfoHeaderSize = 40;
    static constexpr std::size_t kSpareHeaderBytes = 1024;

private:
    bool Validate(std::size_t headerBytes);
    std::size_t ColorTableOffset() const;

    std::vector<std::uint8_t> m_pBits;  // the pixel array
    std::vector<std::uint8_t> m_pBMI;   // the info header, the colour table and 1024 zeros
    std::unique_ptr<CPalette> m_pPalette;
    CBmpImage m_image;  // the pixels decoded once, top row first
};
