// A small drawing surface for the sample pictures: shapes given as "is this point inside"
// tests, filled with 4x4 samples per pixel for soft edges (or 1 for hard ones).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class Canvas {
public:
    Canvas(int width, int height, std::uint32_t background);

    using Shape = std::function<bool(double x, double y)>;
    void Fill(const Shape& inside, std::uint32_t colour, int samples = 4);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<std::uint32_t>& Pixels() const { return m_pixels; }

    static Shape Circle(double cx, double cy, double r);
    static Shape Ellipse(double cx, double cy, double rx, double ry);
    static Shape Rect(double left, double top, double right, double bottom);
    // A regular star with `points` tips.
    static Shape Star(double cx, double cy, double outer, double inner, int points);
    static Shape Heart(double cx, double cy, double size);
    static Shape Ring(double cx, double cy, double outer, double inner);

private:
    int m_width;
    int m_height;
    std::vector<std::uint32_t> m_pixels;
};
