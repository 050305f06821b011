#include "Canvas.h"

#include <cmath>

Canvas::Canvas(int width, int height, std::uint32_t background)
    : m_width(width),
      m_height(height),
      m_pixels(static_cast<std::size_t>(width) * height, background) {}

void Canvas::Fill(const Shape& inside, std::uint32_t colour, int samples) {
    const int total = samples * samples;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    hits += inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples) ? 1 : 0;
                }
            }
            if (hits == 0) {
                continue;
            }
            std::uint32_t& p = m_pixels[static_cast<std::size_t>(y) * m_width + x];
            auto mix = [&](int shift) {
                unsigned a = p >> shift & 0xFF, b = colour >> shift & 0xFF;
                return ((a * (total - hits) + b * hits) / total) << shift;
            };
            p = mix(16) | mix(8) | mix(0);
        }
    }
}

Canvas::Shape Canvas::Circle(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Canvas::Shape Canvas::Ellipse(double cx, double cy, double rx, double ry) {
    return [=](double x, double y) {
        double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
}

Canvas::Shape Canvas::Rect(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Canvas::Shape Canvas::Ring(double cx, double cy, double outer, double inner) {
    return [=](double x, double y) {
        double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= outer * outer && d >= inner * inner;
    };
}

Canvas::Shape Canvas::Star(double cx, double cy, double outer, double inner, int points) {
    return [=](double x, double y) {
        const double pi = 3.14159265358979;
        double angle = std::atan2(y - cy, x - cx) + pi / 2;
        double r = std::hypot(x - cx, y - cy);
        double sector = 2 * pi / points;
        double a = std::fmod(angle + 4 * pi, sector) / sector;  // 0..1 across one tip
        double t = std::fabs(a - 0.5) * 2;                      // 1 at the tip, 0 between
        double tipX = outer * std::cos(0.0), tipY = 0;          // tip and valley points
        double valleyX = inner * std::cos(sector / 2), valleyY = inner * std::sin(sector / 2);
        // Boundary radius along the straight edge from the tip to the valley.
        double phi = (1 - t) * sector / 2;
        double ex = valleyX - tipX, ey = valleyY - tipY;
        double denom = std::cos(phi) * ey - std::sin(phi) * ex;
        double boundary = std::fabs(denom) < 1e-9 ? outer : (tipX * ey - tipY * ex) / denom;
        return r <= std::fabs(boundary);
    };
}

Canvas::Shape Canvas::Heart(double cx, double cy, double size) {
    return [=](double x, double y) {
        double u = (x - cx) / size, v = -(y - cy) / size;
        double a = u * u + v * v - 1;
        return a * a * a - u * u * v * v * v <= 0;
    };
}
