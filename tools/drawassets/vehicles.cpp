// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "pictures.h"

using namespace draw;

namespace pictures {

namespace {

constexpr int carWidth = 74;
constexpr int carHeight = 28;
constexpr QRgb lampGlass = yellow;

// A tyre seen from above, mostly hidden under the body.
void tyre(Canvas &c, int left, int top, int width, int height)
{
    c.fill(c.mask([=](double x, double y) { return inRoundedRect(x, y, left, top, left + width, top + height, 1.5); }),
           black);
}

// A pane of glass, given by its corners.
void window(Canvas &c, const std::vector<double> &corners)
{
    c.fillOutlined(c.mask([&](double x, double y) { return inPolygon(x, y, corners); }), white);
}

// A small square lamp: black frame around glass.
void lamp(Canvas &c, int left, int top)
{
    c.fillRect(left, top, 4, 4, black);
    c.fillRect(left + 1, top + 1, 2, 2, lampGlass);
}

} // namespace

QImage bar(int scale)
{
    struct Band {
        int width;
        QRgb colour;
    };
    constexpr Band bands[] = {{61, red}, {157, orange}, {159, yellow}, {106, green}};
    Canvas c(483, 12, black, scale);
    int x = 0;
    for (const Band &band : bands) {
        c.fillRect(x, 0, band.width, c.height(), band.colour);
        x += band.width;
    }
    return c.image();
}

// Drawn with its front at the left, the end that leads in its lane.
QImage redCar(int scale)
{
    Canvas c(carWidth, carHeight, fieldGrey, scale);
    tyre(c, 10, 1, 10, 26);
    tyre(c, 53, 1, 10, 26);
    c.fillOutlined(c.mask([](double x, double y) { return inRoundedRect(x, y, 1, 3, 73, 25, 8); }), red);
    window(c, {19, 4.5, 28, 7, 28, 21, 19, 23.5});   // windscreen
    window(c, {29, 3.5, 47, 3.5, 46, 7, 30, 7});     // left side window
    window(c, {30, 21, 46, 21, 47, 24.5, 29, 24.5}); // right side window
    window(c, {48, 7, 56, 5, 56, 23, 48, 21});       // rear window
    lamp(c, 3, 6);
    lamp(c, 3, 18);
    return c.image();
}

QImage blueCar(int scale)
{
    QImage image = redCar(scale).mirrored(true, false);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == red)
                image.setPixel(x, y, blue);
    return image;
}

// Drawn with its narrower front at the right, the end that leads in its lane.
QImage orangeCar(int scale)
{
    Canvas c(carWidth, carHeight, fieldGrey, scale);
    tyre(c, 9, 1, 11, 26);
    tyre(c, 52, 2, 10, 24);
    c.fillOutlined(c.mask([](double x, double y) {
        return inPolygon(x, y, {1,  7.5, 3,  4.5,  7,  3,    48, 3,  64, 4.5, 70, 5.5,  73, 9,
                                73, 19,  70, 22.5, 64, 23.5, 48, 25, 7,  25,  3,  23.5, 1,  20.5});
    }),
                   orange);
    window(c, {50, 5, 41, 7, 41, 21, 50, 23});     // windscreen
    window(c, {13, 6, 19, 7.5, 19, 20.5, 13, 22}); // rear window
    for (int x = 64; x <= 70; x += 2)
        c.fillRect(x, 8, 1, 12, black); // grille
    return c.image();
}

// A cab at the left, the end that leads, pulling a long trailer.
QImage lorry(int scale)
{
    constexpr int width = 114;
    Canvas c(width, carHeight, fieldGrey, scale);
    tyre(c, 13, 1, 8, 26);
    c.fillRect(8, 1, 2, 26, black); // mirrors
    c.fillOutlined(c.mask([](double x, double y) { return inRoundedRect(x, y, 1, 3, 25, 25, 4); }), red);
    window(c, {3, 5.5, 8, 5, 8, 23, 3, 22.5});
    c.fillRect(25, 12, 6, 4, black); // coupling
    c.fillOutlined(c.mask([](double x, double y) { return inRoundedRect(x, y, 31, 1, 113, 27, 4); }), magenta);
    for (int x = 41; x < 110; x += 10)
        c.fillRect(x, 3, 1, 22, qRgb(200, 0, 200)); // roof ribs
    return c.image();
}

} // namespace pictures
