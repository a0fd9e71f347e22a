// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

namespace draw {

Mask::Mask(int width, int height) : w(width), h(height), bits(width * height, '\0') {}

Mask Mask::of(int width, int height, const std::function<bool(double, double)> &inside)
{
    Mask m(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            m.set(x, y, inside(x + 0.5, y + 0.5));
    return m;
}

bool Mask::at(int x, int y) const
{
    return x >= 0 && y >= 0 && x < w && y < h && bits[y * w + x];
}

void Mask::set(int x, int y, bool on)
{
    if (x >= 0 && y >= 0 && x < w && y < h)
        bits[y * w + x] = on ? 1 : 0;
}

Mask &Mask::operator|=(const Mask &other)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (other.at(x, y))
                set(x, y);
    return *this;
}

Mask &Mask::operator-=(const Mask &other)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (other.at(x, y))
                set(x, y, false);
    return *this;
}

Mask Mask::rim() const
{
    Mask r(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (at(x, y) && !(at(x - 1, y) && at(x + 1, y) && at(x, y - 1) && at(x, y + 1)))
                r.set(x, y);
    return r;
}

Mask Mask::grown() const
{
    Mask g(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (at(x, y) || at(x - 1, y) || at(x + 1, y) || at(x, y - 1) || at(x, y + 1))
                g.set(x, y);
    return g;
}

bool inEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx;
    const double dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

bool inRoundedRect(double x, double y, double left, double top, double right, double bottom,
                   double radius)
{
    if (x < left || x > right || y < top || y > bottom)
        return false;
    const double cx = x < left + radius ? left + radius : x > right - radius ? right - radius : x;
    const double cy = y < top + radius ? top + radius : y > bottom - radius ? bottom - radius : y;
    const double dx = x - cx;
    const double dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

bool inPolygon(double x, double y, const std::vector<double> &p)
{
    const std::size_t n = p.size() / 2;
    bool inside = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = p[2 * i], yi = p[2 * i + 1];
        const double xj = p[2 * j], yj = p[2 * j + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

void fill(QImage &image, const Mask &mask, QRgb colour)
{
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (mask.at(x, y))
                image.setPixel(x, y, colour);
}

void fillOutlined(QImage &image, const Mask &mask, QRgb colour, QRgb outline)
{
    fill(image, mask, colour);
    fill(image, mask.rim(), outline);
}

void fillRect(QImage &image, int x, int y, int width, int height, QRgb colour)
{
    for (int j = y; j < y + height; ++j)
        for (int i = x; i < x + width; ++i)
            if (image.valid(i, j))
                image.setPixel(i, j, colour);
}

QImage blank(int width, int height, QRgb background)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

std::uint32_t hash(std::uint32_t a, std::uint32_t b, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B1u ^ a * 0x85EBCA77u ^ b * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

} // namespace draw
