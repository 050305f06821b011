#include "platform/BackBitmap.h"

#include <algorithm>

#include "core/BmpImage.h"

// The pixel work of the off-screen bitmap, the same on every system: each system's side
// gives the surface, its rows, the text and the copies to a window.

namespace {
// COLORREF (0x00BBGGRR) to the surface's 0x00RRGGBB, and back.
std::uint32_t ToPixel(COLORREF c) {
    return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
}
COLORREF FromPixel(std::uint32_t p) {
    return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}
// More separate parts than this are not worth keeping apart.
constexpr std::size_t kMaxParts = 16;
}  // namespace

void CBackBitmap::Created(int width, int height) {
    m_nWidth = width;
    m_nHeight = height;
    m_bAllDirty = true;
    m_bUniform = false;
    m_dirty.clear();
    m_drawn.clear();
}

void CBackBitmap::Changed(const Rect& rect) {
    if (rect.left >= rect.right || rect.top >= rect.bottom) {
        return;
    }
    if (!m_bAllDirty) {
        m_dirty.push_back(rect);
        if (m_dirty.size() > kMaxParts) {
            m_bAllDirty = true;
            m_dirty.clear();
        }
    }
    if (m_bUniform) {
        m_drawn.push_back(rect);
        if (m_drawn.size() > kMaxParts) {
            m_bUniform = false;
            m_drawn.clear();
        }
    }
}

void CBackBitmap::Fill(COLORREF colour) {
    if (m_pSurface == nullptr) {
        return;
    }
    BeginPixels();
    const std::uint32_t pixel = ToPixel(colour);
    if (m_bUniform && colour == m_crUniform) {
        // Only what was drawn since the last fill differs from the colour.
        for (const Rect& r : m_drawn) {
            for (int y = r.top; y < r.bottom; ++y) {
                std::fill(Row(y) + r.left, Row(y) + r.right, pixel);
            }
        }
        std::vector<Rect> drawn;
        drawn.swap(m_drawn);
        m_bUniform = false;
        for (const Rect& r : drawn) {
            Changed(r);
        }
    } else {
        for (int y = 0; y < m_nHeight; ++y) {
            std::fill_n(Row(y), m_nWidth, pixel);
        }
        m_bAllDirty = true;
        m_dirty.clear();
    }
    m_bUniform = true;
    m_crUniform = colour;
    m_drawn.clear();
    EndPixels();
}

void CBackBitmap::BitBlt(int x, int y, const CBmpImage& picture) {
    TransparentBlt(x, y, picture, 0xFFFFFFFF);
}

void CBackBitmap::TransparentBlt(int x, int y, const CBmpImage& picture, std::uint32_t keyColour) {
    if (m_pSurface == nullptr || !picture.IsLoaded()) {
        return;
    }
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + picture.Width(), m_nWidth);
    const int bottom = std::min(y + picture.Height(), m_nHeight);
    if (left >= right || top >= bottom) {
        return;
    }
    BeginPixels();
    const bool bOpaque = keyColour > 0x00FFFFFF;
    for (int row = top; row < bottom; ++row) {
        const std::uint32_t* src = picture.Row(row - y) + (left - x);
        std::uint32_t* dst = Row(row) + left;
        const int count = right - left;
        if (bOpaque) {
            std::copy_n(src, count, dst);
            continue;
        }
        for (int i = 0; i < count; ++i) {
            if (src[i] != keyColour) {
                dst[i] = src[i];
            }
        }
    }
    EndPixels();
    Changed({left, top, right, bottom});
}

void CBackBitmap::StretchBlt(const RECT& dest, const CBmpImage& picture, const RECT& src) {
    const std::int64_t dw = std::int64_t(dest.right) - dest.left;
    const std::int64_t dh = std::int64_t(dest.bottom) - dest.top;
    const std::int64_t sw = std::int64_t(src.right) - src.left;
    const std::int64_t sh = std::int64_t(src.bottom) - src.top;
    if (m_pSurface == nullptr || !picture.IsLoaded() || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) {
        return;
    }
    const int left = static_cast<int>(std::clamp<std::int64_t>(dest.left, 0, m_nWidth));
    const int top = static_cast<int>(std::clamp<std::int64_t>(dest.top, 0, m_nHeight));
    const int right = static_cast<int>(std::clamp<std::int64_t>(dest.right, 0, m_nWidth));
    const int bottom = static_cast<int>(std::clamp<std::int64_t>(dest.bottom, 0, m_nHeight));
    if (left >= right || top >= bottom) {
        return;
    }
    // The source column of each destination column; -1 where it lies off the picture.
    std::vector<int> columns(static_cast<std::size_t>(right - left));
    for (int x = left; x < right; ++x) {
        const std::int64_t sx = src.left + (x - dest.left) * sw / dw;
        columns[x - left] = sx >= 0 && sx < picture.Width() ? static_cast<int>(sx) : -1;
    }
    BeginPixels();
    for (int y = top; y < bottom; ++y) {
        const std::int64_t sy = src.top + (y - dest.top) * sh / dh;
        if (sy < 0 || sy >= picture.Height()) {
            continue;
        }
        const std::uint32_t* from = picture.Row(static_cast<int>(sy));
        std::uint32_t* to = Row(y);
        for (int x = left; x < right; ++x) {
            if (const int sx = columns[x - left]; sx >= 0) {
                to[x] = from[sx];
            }
        }
    }
    EndPixels();
    Changed({left, top, right, bottom});
}

COLORREF CBackBitmap::GetPixel(int x, int y) const {
    if (m_pSurface == nullptr || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) {
        return 0xFFFFFFFF;
    }
    BeginPixels();
    return FromPixel(Row(y)[x] & 0x00FFFFFF);
}
