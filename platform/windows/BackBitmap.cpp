#include "platform/BackBitmap.h"

#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/window.h>

#include <algorithm>

#include "platform/windows/WideText.h"

// The bitmap is a DIB section, top-down, 32 bits a pixel, selected into a memory device
// context: drawn into directly, and copied to a window with BitBlt.

namespace {

struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    HFONT font = nullptr;
    std::uint32_t* bits = nullptr;
};

Surface* SurfaceOf(void* surface) {
    return static_cast<Surface*>(surface);
}

void Destroy(void* surface) {
    Surface* s = SurfaceOf(surface);
    if (s == nullptr) {
        return;
    }
    if (s->dc != nullptr) {
        SelectObject(s->dc, s->oldBitmap);
        DeleteDC(s->dc);
    }
    if (s->bitmap != nullptr) {
        DeleteObject(s->bitmap);
    }
    if (s->font != nullptr) {
        DeleteObject(s->font);
    }
    delete s;
}

// The quit hint's size, as on the other systems.
constexpr int kHintFontHeight = 15;

HDC DcOf(const wxDC& dc) {
    return static_cast<HDC>(dc.GetHDC());
}

}  // namespace

CBackBitmap::CBackBitmap() = default;

CBackBitmap::~CBackBitmap() {
    Destroy(m_pSurface);
}

bool CBackBitmap::Create(int width, int height, wxWindow*) {
    Destroy(m_pSurface);
    m_pSurface = nullptr;
    m_nWidth = m_nHeight = 0;
    if (width <= 0 || height <= 0) {
        return false;
    }
    auto surface = std::make_unique<Surface>();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    surface->bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    surface->dc = CreateCompatibleDC(nullptr);
    if (surface->bitmap == nullptr || surface->dc == nullptr || bits == nullptr) {
        Destroy(surface.release());
        return false;
    }
    surface->bits = static_cast<std::uint32_t*>(bits);
    surface->oldBitmap = SelectObject(surface->dc, surface->bitmap);
    surface->font = CreateFontW(-kHintFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
    m_pSurface = surface.release();
    Created(width, height);
    return true;
}

std::uint32_t* CBackBitmap::Row(int y) const {
    return SurfaceOf(m_pSurface)->bits + static_cast<std::size_t>(y) * m_nWidth;
}

// GDI's drawing reaches the pixels before they are read or written directly.
void CBackBitmap::BeginPixels() const {
    GdiFlush();
}
void CBackBitmap::EndPixels() const {}

void CBackBitmap::TextOut(int x, int y, const std::string& text, COLORREF background,
                          COLORREF colour) {
    Surface* s = SurfaceOf(m_pSurface);
    if (s == nullptr) {
        return;
    }
    const std::wstring wide = WideFromUtf8(text);
    HGDIOBJ oldFont = s->font != nullptr ? SelectObject(s->dc, s->font) : nullptr;
    SIZE size{};
    GetTextExtentPoint32W(s->dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SetBkMode(s->dc, OPAQUE);
    SetBkColor(s->dc, background);
    SetTextColor(s->dc, colour);
    const int width = size.cx + 2;
    const int height = size.cy;
    RECT box{x, y, x + width, y + height};
    ExtTextOutW(s->dc, x + 1, y, ETO_OPAQUE, &box, wide.c_str(), static_cast<UINT>(wide.size()),
                nullptr);
    if (oldFont != nullptr) {
        SelectObject(s->dc, oldFont);
    }
    GdiFlush();
    Changed({std::max(x, 0), std::max(y, 0), std::min(x + width, m_nWidth),
             std::min(y + height, m_nHeight)});
}

void CBackBitmap::CopyTo(wxDC& dc) const {
    Surface* s = SurfaceOf(m_pSurface);
    if (s != nullptr && DcOf(dc) != nullptr) {
        ::BitBlt(DcOf(dc), 0, 0, m_nWidth, m_nHeight, s->dc, 0, 0, SRCCOPY);
    }
}

void CBackBitmap::CopyTo(wxWindow* window) {
    Surface* s = SurfaceOf(m_pSurface);
    if (window == nullptr || s == nullptr || (!m_bAllDirty && m_dirty.empty())) {
        return;
    }
    {
        wxClientDC dc(window);
        HDC target = DcOf(dc);
        if (m_bAllDirty) {
            ::BitBlt(target, 0, 0, m_nWidth, m_nHeight, s->dc, 0, 0, SRCCOPY);
        } else {
            for (const Rect& r : m_dirty) {
                ::BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, s->dc, r.left,
                         r.top, SRCCOPY);
            }
        }
    }
    m_bAllDirty = false;
    m_dirty.clear();
}

void CBackBitmap::WaitForDisplay() {
    GdiFlush();
}
