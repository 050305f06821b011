// A surface the program's icon is painted on, with the drawing calls of a device context:
// whole-pixel positions, a pen for outlines and a brush for insides. The program paints the
// icon on a wx device context at run time; data/generator paints the same drawing into the
// icon files of an installation, where there is no display to draw with.
#pragma once

#include <cstdint>

class CIconPainter {
public:
    virtual ~CIconPainter() = default;

    // Colours are 0x00RRGGBB.
    virtual void Clear(std::uint32_t colour) = 0;
    virtual void SetPen(std::uint32_t colour, int width) = 0;
    virtual void SetBrush(std::uint32_t colour) = 0;
    // Outlines only, until the next SetBrush.
    virtual void SetNoBrush() = 0;
    virtual void DrawCircle(int x, int y, int radius) = 0;
    // The part of the ellipse in the box (x, y, width, height) from `start` to `end` degrees,
    // counter-clockwise from three o'clock.
    virtual void DrawEllipticArc(int x, int y, int width, int height, double start, double end) = 0;
};
