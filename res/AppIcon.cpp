#include "res/AppIcon.h"

#include <wx/dcmemory.h>
#include <wx/iconbndl.h>

#include <algorithm>

#include "res/IconPainter.h"

void DrawAppIcon(CIconPainter& painter, int size) {
    painter.Clear(0xFF8040);
    const double s = size / 32.0;
    painter.SetPen(0x000080, std::max(1, int(s)));
    painter.SetBrush(0xFFDC00);
    painter.DrawCircle(int(16 * s), int(16 * s), int(11 * s));
    painter.SetBrush(0x000080);
    painter.DrawCircle(int(12 * s), int(13 * s), std::max(1, int(1.6 * s)));
    painter.DrawCircle(int(20 * s), int(13 * s), std::max(1, int(1.6 * s)));
    painter.SetNoBrush();
    painter.DrawEllipticArc(int(10 * s), int(14 * s), int(12 * s), int(7 * s), 180, 360);
}

namespace {

wxColour Colour(std::uint32_t rgb) {
    return wxColour(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

class CDCIconPainter : public CIconPainter {
public:
    explicit CDCIconPainter(wxDC& dc) : m_dc(dc) {}

    void Clear(std::uint32_t colour) override {
        m_dc.SetBackground(wxBrush(Colour(colour)));
        m_dc.Clear();
    }
    void SetPen(std::uint32_t colour, int width) override {
        m_dc.SetPen(wxPen(Colour(colour), width));
    }
    void SetBrush(std::uint32_t colour) override { m_dc.SetBrush(wxBrush(Colour(colour))); }
    void SetNoBrush() override { m_dc.SetBrush(*wxTRANSPARENT_BRUSH); }
    void DrawCircle(int x, int y, int radius) override { m_dc.DrawCircle(x, y, radius); }
    void DrawEllipticArc(int x, int y, int width, int height, double start, double end) override {
        m_dc.DrawEllipticArc(x, y, width, height, start, end);
    }

private:
    wxDC& m_dc;
};

}  // namespace

static wxIcon DrawIcon(int size) {
    wxBitmap bitmap(size, size, 32);
    {
        wxMemoryDC dc(bitmap);
        CDCIconPainter painter(dc);
        DrawAppIcon(painter, size);
    }
    wxIcon icon;
    icon.CopyFromBitmap(bitmap);
    return icon;
}

wxIcon LoadAppIcon() {
    return DrawIcon(32);
}

wxIconBundle LoadAppIcons() {
    wxIconBundle bundle;
    bundle.AddIcon(DrawIcon(16));
    bundle.AddIcon(DrawIcon(32));
    bundle.AddIcon(DrawIcon(48));
    return bundle;
}
