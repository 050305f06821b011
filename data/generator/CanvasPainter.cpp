#include "CanvasPainter.h"

#include <algorithm>
#include <cmath>

void CanvasPainter::Clear(std::uint32_t colour) {
    m_canvas.Fill([](double, double) { return true; }, colour, 1);
}

void CanvasPainter::SetPen(std::uint32_t colour, int width) {
    m_pen = colour;
    m_penWidth = width;
}

void CanvasPainter::SetBrush(std::uint32_t colour) {
    m_brush = colour;
    m_bBrush = true;
}

void CanvasPainter::SetNoBrush() {
    m_bBrush = false;
}

// As a device context does: the inside in the brush, then the outline in the pen, centred on
// the edge.
void CanvasPainter::DrawCircle(int x, int y, int radius) {
    const double half = m_penWidth / 2.0;
    if (m_bBrush) {
        m_canvas.Fill(Canvas::Circle(x, y, radius), m_brush);
    }
    m_canvas.Fill(Canvas::Ring(x, y, radius + half, std::max(0.0, radius - half)), m_pen);
}

void CanvasPainter::DrawEllipticArc(int x, int y, int width, int height, double start, double end) {
    const double cx = x + width / 2.0, cy = y + height / 2.0;
    const double rx = width / 2.0, ry = height / 2.0;
    const double half = m_penWidth / 2.0;
    auto inArc = [=](double px, double py) {
        // Degrees counter-clockwise from three o'clock, with y growing downwards.
        double angle = std::atan2(cy - py, px - cx) * 180 / 3.14159265358979;
        if (angle < 0) {
            angle += 360;
        }
        return (angle >= start && angle <= end) || (angle + 360 >= start && angle + 360 <= end);
    };
    // How far a point lies from the ellipse, along the line from its centre.
    auto edgeDistance = [=](double px, double py) {
        const double dx = px - cx, dy = py - cy;
        const double r = std::hypot(dx, dy);
        if (r == 0) {
            return std::min(rx, ry);
        }
        const double c = dx / r, s = dy / r;
        return std::fabs(r - 1 / std::sqrt(c * c / (rx * rx) + s * s / (ry * ry)));
    };
    if (m_bBrush) {
        m_canvas.Fill(
            [=](double px, double py) {
                return inArc(px, py) && Canvas::Ellipse(cx, cy, rx, ry)(px, py);
            },
            m_brush);
    }
    m_canvas.Fill(
        [=](double px, double py) { return inArc(px, py) && edgeDistance(px, py) <= half; }, m_pen);
}
