// Paints a drawing made for a device context (the program's icon) on a Canvas, with soft
// edges, so the installation's icon files are made without a display.
#pragma once

#include <cstdint>

#include "Canvas.h"
#include "res/IconPainter.h"

class CanvasPainter : public CIconPainter {
public:
    explicit CanvasPainter(Canvas& canvas) : m_canvas(canvas) {}

    void Clear(std::uint32_t colour) override;
    void SetPen(std::uint32_t colour, int width) override;
    void SetBrush(std::uint32_t colour) override;
    void SetNoBrush() override;
    void DrawCircle(int x, int y, int radius) override;
    void DrawEllipticArc(int x, int y, int width, int height, double start, double end) override;

private:
    Canvas& m_canvas;
    std::uint32_t m_pen = 0;
    int m_penWidth = 1;
    std::uint32_t m_brush = 0xFFFFFF;
    bool m_bBrush = true;
};
