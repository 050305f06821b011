#include "platform/BackBitmap.h"

#include <cairo.h>
#include <gtk/gtk.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/window.h>

#include <algorithm>
#include <cmath>

namespace {
void SetSource(cairo_t* cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}
constexpr double kHintFontSize = 15.0;

cairo_surface_t* Cairo(void* surface) {
    return static_cast<cairo_surface_t*>(surface);
}
}  // namespace

CBackBitmap::CBackBitmap() = default;

CBackBitmap::~CBackBitmap() {
    if (m_pSurface != nullptr) {
        cairo_surface_destroy(Cairo(m_pSurface));
    }
}

bool CBackBitmap::Create(int width, int height, wxWindow* window) {
    if (m_pSurface != nullptr) {
        cairo_surface_destroy(Cairo(m_pSurface));
        m_pSurface = nullptr;
    }
    m_nWidth = m_nHeight = 0;
    if (width <= 0 || height <= 0) {
        return false;
    }
    GtkWidget* widget = window != nullptr ? window->GetHandle() : nullptr;
    GdkWindow* gdkWindow = widget != nullptr ? gtk_widget_get_window(widget) : nullptr;
    cairo_surface_t* surface = gdkWindow != nullptr
                                   ? gdk_window_create_similar_image_surface(
                                         gdkWindow, CAIRO_FORMAT_RGB24, width, height, 1)
                                   : cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(surface) != CAIRO_FORMAT_RGB24) {
        cairo_surface_destroy(surface);
        return false;
    }
    m_pSurface = surface;
    Created(width, height);
    return true;
}

std::uint32_t* CBackBitmap::Row(int y) const {
    unsigned char* data = cairo_image_surface_get_data(Cairo(m_pSurface));
    return reinterpret_cast<std::uint32_t*>(
        data + static_cast<std::size_t>(y) * cairo_image_surface_get_stride(Cairo(m_pSurface)));
}

void CBackBitmap::BeginPixels() const {
    cairo_surface_flush(Cairo(m_pSurface));
}
void CBackBitmap::EndPixels() const {
    cairo_surface_mark_dirty(Cairo(m_pSurface));
}

void CBackBitmap::TextOut(int x, int y, const std::string& text, COLORREF background,
                          COLORREF colour) {
    if (m_pSurface == nullptr) {
        return;
    }
    cairo_t* cr = cairo_create(Cairo(m_pSurface));
    cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, kHintFontSize);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    const int width = static_cast<int>(std::ceil(extents.x_advance)) + 2;
    const int height = static_cast<int>(std::ceil(font.height));
    SetSource(cr, background);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    SetSource(cr, colour);
    cairo_move_to(cr, x + 1, y + font.ascent);
    cairo_show_text(cr, text.c_str());
    cairo_destroy(cr);
    Changed({std::max(x, 0), std::max(y, 0), std::min(x + width, m_nWidth),
             std::min(y + height, m_nHeight)});
}

// Copies the given parts of the surface, or all of it when `parts` is null.
static void Paint(cairo_t* cr, cairo_surface_t* surface, const std::vector<int>* parts) {
    // The context keeps its own translation: a window inside another is drawn through its
    // top-level window's surface, moved to where the window lies.
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface, 0, 0);
    if (parts == nullptr) {
        cairo_paint(cr);
    } else {
        for (std::size_t i = 0; i + 3 < parts->size(); i += 4) {
            cairo_rectangle(cr, (*parts)[i], (*parts)[i + 1], (*parts)[i + 2], (*parts)[i + 3]);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    cairo_surface_flush(cairo_get_target(cr));
}

static cairo_t* NativeContext(wxDC& dc) {
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    return gc != nullptr ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
}

void CBackBitmap::CopyTo(wxDC& dc) const {
    if (cairo_t* cr = NativeContext(dc); cr != nullptr && m_pSurface != nullptr) {
        Paint(cr, Cairo(m_pSurface), nullptr);
    }
}

void CBackBitmap::CopyTo(wxWindow* window) {
    if (window == nullptr || m_pSurface == nullptr) {
        return;
    }
    if (!m_bAllDirty && m_dirty.empty()) {
        return;
    }
    std::vector<int> parts;
    for (const Rect& r : m_dirty) {
        parts.insert(parts.end(), {r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
    {
        wxClientDC dc(window);
        if (cairo_t* cr = NativeContext(dc)) {
            Paint(cr, Cairo(m_pSurface), m_bAllDirty ? nullptr : &parts);
        }
    }
    gdk_display_flush(gdk_display_get_default());
    m_bAllDirty = false;
    m_dirty.clear();
}

void CBackBitmap::WaitForDisplay() {
    if (GdkDisplay* display = gdk_display_get_default()) {
        gdk_display_sync(display);
    }
}
