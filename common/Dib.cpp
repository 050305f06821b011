#include "common/Dib.h"

#include <algorithm>
#include <cstdlib>

#include "core/LittleEndian.h"
#include "platform/BackBitmap.h"
#include "platform/File.h"

namespace {
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint16_t kBitmapType = 0x4D42;  // "BM"
// Info header fields.
constexpr std::size_t kWidth = 4, kHeight = 8, kBitCount = 14, kCompression = 16, kClrUsed = 32;
// Compressions whose masks follow a 40-byte header, before any colour table.
constexpr std::uint32_t kBitFields = 3, kAlphaBitFields = 6;
}  // namespace

void CDib::Free() {
    m_pBits = {};
    m_pBMI = {};
    m_pPalette.reset();
    m_image.Clear();
}

std::uint32_t CDib::Read(CFile& file) {
    Free();
    std::uint8_t header[kFileHeaderSize];
    if (file.Read(header, sizeof header) != sizeof header || U16(header) != kBitmapType) {
        return 0;
    }
    // The offset is only a claim: it must leave room for the info header and lie within
    // the file, which itself is no larger than a picture can be.
    const std::uint64_t length = file.GetLength();
    const std::uint32_t offBits = U32(header + 10);
    if (length > CBmpImage::kMaxFileSize || offBits < kFileHeaderSize + kInfoHeaderSize ||
        offBits > length) {
        return 0;
    }
    const std::size_t headerBytes = offBits - kFileHeaderSize;
    m_pBMI.assign(headerBytes + kSpareHeaderBytes, 0);
    if (file.Read(m_pBMI.data(), headerBytes) != headerBytes) {
        Free();
        return 0;
    }
    m_pBits.assign(static_cast<std::size_t>(length - offBits), 0);
    if (file.Read(m_pBits.data(), m_pBits.size()) != m_pBits.size() || !Validate(headerBytes)) {
        Free();
        return 0;
    }
    MakePalette();
    return static_cast<std::uint32_t>(length);
}

// An info header of 40 bytes or one of its longer versions (the V4 and V5 headers painting
// programs save) whose colour table is all there, over pixels that hold the whole image, is
// taken.
bool CDib::Validate(std::size_t headerBytes) {
    const std::uint32_t size = U32(m_pBMI.data());
    if (size < kInfoHeaderSize || size > headerBytes ||
        ColorTableOffset() + std::size_t(PaletteSize()) > headerBytes) {
        return false;
    }
    return m_image.LoadFromDib(m_pBMI.data(), headerBytes, m_pBits.data(), m_pBits.size());
}

// The colour table follows the header's own size, and the masks a 40-byte header keeps
// after itself.
std::size_t CDib::ColorTableOffset() const {
    if (m_pBMI.empty()) {
        return kInfoHeaderSize;
    }
    const std::size_t size = U32(m_pBMI.data());
    if (size == kInfoHeaderSize) {
        switch (U32(m_pBMI.data() + kCompression)) {
            case kBitFields:
                return size + 12;
            case kAlphaBitFields:
                return size + 16;
            default:
                break;
        }
    }
    return size;
}

std::int32_t CDib::Width() const {
    return m_pBMI.empty() ? 0 : static_cast<std::int32_t>(U32(m_pBMI.data() + kWidth));
}

std::int32_t CDib::Height() const {
    return m_pBMI.empty() ? 0 : static_cast<std::int32_t>(U32(m_pBMI.data() + kHeight));
}

std::uint16_t CDib::NumColors() const {
    if (m_pBMI.empty()) {
        return 0;
    }
    if (const std::uint32_t used = U32(m_pBMI.data() + kClrUsed); used != 0) {
        return static_cast<std::uint16_t>(used);
    }
    switch (U16(m_pBMI.data() + kBitCount)) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

std::uint16_t CDib::PaletteSize() const {
    return static_cast<std::uint16_t>(NumColors() * 4);
}

BOOL CDib::MakePalette() {
    if (m_pBMI.empty()) {
        return FALSE;
    }
    const std::size_t count = NumColors();
    if (count == 0) {
        return TRUE;
    }
    // The colour table stores blue, green, red and a reserved byte; the spare bytes after
    // the header keep every entry inside the block.
    auto palette = std::make_unique<CPalette>(count);
    const std::size_t offset = ColorTableOffset();
    const std::uint8_t* table = m_pBMI.data() + std::min(offset, m_pBMI.size());
    for (std::size_t i = 0; i < count && offset + 4 * i + 3 <= m_pBMI.size(); ++i) {
        (*palette)[i] = {table[4 * i + 2], table[4 * i + 1], table[4 * i], 0};
    }
    m_pPalette = std::move(palette);
    return TRUE;
}

// An unscaled copy takes the rows `src` names counting from the top. A stretch of a
// bottom-up image counts `src.top` from the bottom edge, as Windows' StretchDIBits does for
// the rows a DIB stores bottom-up; the whole image is the same either way. A negative
// source height (a top-down image's own Height) is taken as its size.
std::int32_t CDib::Paint(CBackBitmap& dc, const RECT& dest, const RECT& src) const {
    if (!m_image.IsLoaded()) {
        return 0;
    }
    const std::int64_t imageHeight = m_image.Height();
    const bool bTopDown = Height() < 0;
    const std::int64_t sw = std::int64_t(src.right) - src.left;
    const std::int64_t sh = std::abs(std::int64_t(src.bottom) - src.top);
    const std::int64_t dw = std::int64_t(dest.right) - dest.left;
    const std::int64_t dh = std::int64_t(dest.bottom) - dest.top;
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) {
        return 0;
    }
    const std::int64_t srcTop = src.top;
    const bool bStretch = dw != sw || dh != sh;
    const std::int64_t top = bStretch && !bTopDown ? imageHeight - srcTop - sh : srcTop;
    const auto clamp32 = [](std::int64_t v) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    const RECT from = {clamp32(src.left), clamp32(top), clamp32(src.left + sw), clamp32(top + sh)};
    dc.StretchBlt(dest, m_image, from);
    const std::int64_t drawn = std::min(top + sh, imageHeight) - std::max<std::int64_t>(top, 0);
    return static_cast<std::int32_t>(std::max<std::int64_t>(drawn, 0));
}
