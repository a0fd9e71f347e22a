// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <functional>
#include <vector>

// Pixel-exact drawing helpers for the game's small pictures. Shapes are
// decided per pixel by testing the pixel's centre, so the result never
// depends on a rasteriser's antialiasing or rounding rules.
namespace draw {

// Colours every picture shares.
inline constexpr QRgb black = qRgb(0, 0, 0);
inline constexpr QRgb white = qRgb(255, 255, 255);
inline constexpr QRgb red = qRgb(255, 0, 0);
inline constexpr QRgb blue = qRgb(0, 0, 255);
inline constexpr QRgb orange = qRgb(255, 128, 64);
inline constexpr QRgb yellow = qRgb(255, 255, 0);
inline constexpr QRgb green = qRgb(0, 255, 0);
inline constexpr QRgb magenta = qRgb(255, 0, 255);
inline constexpr QRgb golden = qRgb(204, 153, 51);
inline constexpr QRgb darkBrown = qRgb(128, 64, 0);
inline constexpr QRgb paleYellow = qRgb(255, 255, 153);
inline constexpr QRgb fieldGrey = qRgb(128, 128, 128); // game window
inline constexpr QRgb faceGrey = qRgb(192, 192, 192);  // menu and rules

// A set of pixels: which pixels of a picture belong to one shape.
class Mask
{
public:
    Mask(int width, int height);

    int width() const { return w; }
    int height() const { return h; }
    bool at(int x, int y) const;
    void set(int x, int y, bool on = true);

    Mask &operator|=(const Mask &other);
    Mask &operator-=(const Mask &other);
    // The pixels of the mask less than `thickness` 4-neighbour steps from
    // its outside (or from the picture's edge).
    Mask rim(int thickness = 1) const;
    // The mask grown by one pixel in the four directions.
    Mask grown() const;

private:
    int w;
    int h;
    QByteArray bits;
};

// Shape tests on pixel centres.
bool inEllipse(double x, double y, double cx, double cy, double rx, double ry);
bool inRoundedRect(double x, double y, double left, double top, double right, double bottom, double radius);
// Inside the polygon given as x0, y0, x1, y1, ... (even-odd rule).
bool inPolygon(double x, double y, const std::vector<double> &points);

// Paints every pixel of the mask.
void fill(QImage &image, const Mask &mask, QRgb colour);

// A picture being drawn, `scale` image pixels to each of its own pixels.
// Drawing is given in the picture's own pixels whatever the scale, so the
// same drawing comes out two or three times as fine rather than enlarged:
// shapes are sampled at the centres of the image's pixels, and outlines and
// rectangles cover whole picture pixels.
class Canvas
{
public:
    Canvas(int width, int height, QRgb background, int scale);

    int width() const { return w; }
    int height() const { return h; }
    int scale() const { return k; }
    const QImage &image() const { return picture; }
    QImage &image() { return picture; }

    // The image pixels whose centres, in picture pixels, satisfy inside.
    Mask mask(const std::function<bool(double, double)> &inside) const;
    void fill(const Mask &mask, QRgb colour);
    // Paints the mask and then its rim, one picture pixel thick, in the outline colour.
    void fillOutlined(const Mask &mask, QRgb colour, QRgb outline = black);
    void fillRect(int x, int y, int width, int height, QRgb colour);
    void setPixel(int x, int y, QRgb colour) { fillRect(x, y, 1, 1, colour); }

private:
    int w;
    int h;
    int k;
    QImage picture;
};

// A small, fully specified hash, so that speckles come out the same on
// every compiler and standard library.
std::uint32_t hash(std::uint32_t a, std::uint32_t b, std::uint32_t seed);

} // namespace draw
