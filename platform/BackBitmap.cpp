#include "platform/BackBitmap.h"

#include <cairo.h>
#include <gtk/gtk.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/window.h>

#include <algorithm>
#include <cmath>

#include "platform/BmpImage.h"

namespace {
// COLORREF (0x00BBGGRR) to the surface's 0x00RRGGBB, and back.
std::uint32_t ToPixel(COLORREF c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }
COLORREF FromPixel(std::uint32_t p) { return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF); }
void SetSource(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}
constexpr double kHintFontSize = 15.0;
}  // namespace

CBackBitmap::CBackBitmap() = default;

CBackBitmap::~CBackBitmap() {
    if (m_pSurface != nullptr) {
        cairo_surface_destroy(m_pSurface);
    }
}

bool CBackBitmap::Create(int width, int height) {
    if (m_pSurface != nullptr) {
        cairo_surface_destroy(m_pSurface);
        m_pSurface = nullptr;
    }
    m_nWidth = m_nHeight = 0;
    if (width <= 0 || height <= 0) {
        return false;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return false;
    }
    m_pSurface = surface;
    m_nWidth = width;
    m_nHeight = height;
    return true;
}

std::uint32_t* CBackBitmap::Row(int y) const {
    unsigned char* data = cairo_image_surface_get_data(m_pSurface);
    return reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) *
                                                       cairo_image_surface_get_stride(m_pSurface));
}

void CBackBitmap::BeginPixels() const { cairo_surface_flush(m_pSurface); }
void CBackBitmap::EndPixels() const { cairo_surface_mark_dirty(m_pSurface); }

void CBackBitmap::Fill(COLORREF colour) {
    if (m_pSurface == nullptr) {
        return;
    }
    BeginPixels();
    const std::uint32_t pixel = ToPixel(colour);
    for (int y = 0; y < m_nHeight; ++y) {
        std::fill_n(Row(y), m_nWidth, pixel);
    }
    EndPixels();
}

void CBackBitmap::TextOut(int x, int y, const std::string& text, COLORREF background,
                          COLORREF colour) {
    if (m_pSurface == nullptr) {
        return;
    }
    cairo_t* cr = cairo_create(m_pSurface);
    cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, kHintFontSize);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    SetSource(cr, background);
    cairo_rectangle(cr, x, y, std::ceil(extents.x_advance) + 2, std::ceil(font.height));
    cairo_fill(cr);
    SetSource(cr, colour);
    cairo_move_to(cr, x + 1, y + font.ascent);
    cairo_show_text(cr, text.c_str());
    cairo_destroy(cr);
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
}

COLORREF CBackBitmap::GetPixel(int x, int y) const {
    if (m_pSurface == nullptr || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) {
        return 0xFFFFFFFF;
    }
    BeginPixels();
    return FromPixel(Row(y)[x] & 0x00FFFFFF);
}

void CBackBitmap::CopyTo(wxDC& dc) const {
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    auto* cr = gc != nullptr ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
    if (cr == nullptr || m_pSurface == nullptr) {
        return;
    }
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, m_pSurface, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_flush(cairo_get_target(cr));
}

void CBackBitmap::CopyTo(wxWindow* window) const {
    if (window == nullptr || m_pSurface == nullptr) {
        return;
    }
    {
        wxClientDC dc(window);
        CopyTo(dc);
    }
    gdk_display_flush(gdk_display_get_default());
}
