// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

namespace draw {

Mask::Mask(int width, int height)
    : w(width)
    , h(height)
    , bits(width * height, '\0')
{
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

Mask Mask::rim(int thickness) const
{
    Mask inner = *this;
    for (int i = 0; i < thickness; ++i) {
        Mask shrunk(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (inner.at(x, y) && inner.at(x - 1, y) && inner.at(x + 1, y) && inner.at(x, y - 1)
                    && inner.at(x, y + 1))
                    shrunk.set(x, y);
        inner = shrunk;
    }
    Mask r = *this;
    r -= inner;
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

bool inRoundedRect(double x, double y, double left, double top, double right, double bottom, double radius)
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

Canvas::Canvas(int width, int height, QRgb background, int scale)
    : w(width)
    , h(height)
    , k(scale)
    , picture(width * scale, height * scale, QImage::Format_RGB32)
{
    picture.fill(background);
}

Mask Canvas::mask(const std::function<bool(double, double)> &inside) const
{
    Mask m(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            m.set(x, y, inside((x + 0.5) / k, (y + 0.5) / k));
    return m;
}

void Canvas::fill(const Mask &mask, QRgb colour)
{
    draw::fill(picture, mask, colour);
}

void Canvas::fillOutlined(const Mask &mask, QRgb colour, QRgb outline)
{
    fill(mask, colour);
    fill(mask.rim(k), outline);
}

void Canvas::fillRect(int x, int y, int width, int height, QRgb colour)
{
    for (int j = y * k; j < (y + height) * k; ++j)
        for (int i = x * k; i < (x + width) * k; ++i)
            if (picture.valid(i, j))
                picture.setPixel(i, j, colour);
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
