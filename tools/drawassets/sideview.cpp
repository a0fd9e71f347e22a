// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "pictures.h"
#include "spines.h"

using namespace draw;

namespace pictures {

namespace {

constexpr QRgb paint = qRgb(0, 170, 0);
constexpr QRgb paintDark = qRgb(0, 96, 0);
constexpr QRgb paintLight = qRgb(110, 230, 110);
constexpr QRgb hub = qRgb(160, 160, 160);
constexpr QRgb hubDark = qRgb(96, 96, 96);
constexpr QRgb puff = qRgb(140, 160, 196);
constexpr QRgb puffLight = qRgb(176, 192, 220);
constexpr QRgb shirt = qRgb(40, 70, 170);
constexpr QRgb face = qRgb(240, 190, 140);
constexpr QRgb glass = qRgb(210, 235, 250);
constexpr QRgb seat = qRgb(90, 50, 20);
constexpr QRgb spineBrown = qRgb(128, 64, 0);
constexpr QRgb spineDeep = qRgb(80, 40, 0);

void wheel(Canvas &c, double cx, double cy)
{
    c.fill(c.mask([=](double x, double y) { return inEllipse(x, y, cx, cy, 8, 8); }), black);
    c.fillOutlined(c.mask([=](double x, double y) { return inEllipse(x, y, cx, cy, 4, 4); }), hub, hubDark);
    c.fillRect(int(cx) - 1, int(cy) - 1, 2, 2, hubDark);
}

} // namespace

// A green open two-seater driving to the right, the driver hunched over the wheel.
QImage sideCar(int scale)
{
    constexpr int w = 96, h = 48;
    constexpr double rearX = 24, frontX = 76, axleY = 38;
    Canvas c(w, h, faceGrey, scale);

    // Exhaust puff behind the tail.
    const Mask cloud = c.mask([](double x, double y) {
        return inEllipse(x, y, 4.5, 35, 3.5, 3) || inEllipse(x, y, 8, 31.5, 3.5, 3.5)
            || inEllipse(x, y, 3, 30, 2.2, 2.2);
    });
    c.fillOutlined(cloud, puffLight, puff);
    c.fillRect(10, 36, 3, 2, hubDark); // exhaust pipe

    // Seat back and driver sit behind the body's side.
    c.fillOutlined(c.mask([](double x, double y) { return inRoundedRect(x, y, 30, 16, 36, 30, 2); }), seat, black);
    c.fillOutlined(c.mask([](double x, double y) {
        return inPolygon(x, y, {35, 28, 39, 17, 45, 15, 50, 19, 48, 28});
    }),
                   shirt, black);
    c.fillOutlined(c.mask([](double x, double y) { return inEllipse(x, y, 47.5, 12.5, 4.2, 4.2); }), face, black);
    c.setPixel(49, 13, black); // the driver's eye
    c.fillOutlined(c.mask([](double x, double y) {
        return (inEllipse(x, y, 47, 10.5, 4.8, 4) && y < 11.5) || inPolygon(x, y, {48, 9, 55, 10, 55, 12, 48, 12});
    }),
                   red, black); // cap with its peak forward
    c.fillOutlined(c.mask([](double x, double y) {
        return inPolygon(x, y, {45, 18, 47, 17, 56, 22, 55, 24});
    }),
                   shirt, black);    // arm reaching for the wheel
    c.fillRect(55, 18, 2, 7, black); // steering wheel
    c.fillOutlined(c.mask([](double x, double y) {
        return inPolygon(x, y, {58, 25, 61, 14, 63, 14, 61, 25});
    }),
                   glass, hubDark); // windscreen

    // Body with the cockpit cut out of its top and room for the wheels.
    Mask body = c.mask([](double x, double y) {
        return inPolygon(x, y, {13, 39, 12, 30, 14, 25, 30, 24, 31, 27, 56, 27, 58,
                                24, 84, 25, 92, 28, 95, 32, 94, 38, 91, 40, 13, 40});
    });
    body -= c.mask([=](double x, double y) {
        return inEllipse(x, y, rearX, axleY, 10, 10) || inEllipse(x, y, frontX, axleY, 10, 10);
    });
    c.fillOutlined(body, paint, paintDark);
    for (int x = 15; x < 30; ++x)
        c.setPixel(x, 26, paintLight);
    for (int x = 60; x < 84; ++x)
        c.setPixel(x, 26, paintLight);
    c.fillRect(38, 31, 10, 1, paintDark); // door line
    c.fillRect(92, 29, 2, 2, yellow);     // headlamp
    wheel(c, rearX, axleY);
    wheel(c, frontX, axleY);
    return c.image();
}

// A hedgehog walking to the right.
QImage sideHog(int scale)
{
    constexpr int w = 62, h = 48;
    Canvas c(w, h, faceGrey, scale);

    const Mask feet = c.mask([](double x, double y) {
        return inEllipse(x, y, 12, 43.5, 3.5, 2.5) || inEllipse(x, y, 22, 44, 3.5, 2.5)
            || inEllipse(x, y, 36, 44, 3.5, 2.5) || inEllipse(x, y, 45, 43.5, 3.5, 2.5);
    });
    c.fillOutlined(feet, paleYellow, spineBrown);

    const Mask belly = c.mask([](double x, double y) { return inEllipse(x, y, 27, 37, 22, 6); });
    c.fillOutlined(belly, paleYellow, spineBrown);

    const Mask head = c.mask([](double x, double y) {
        return inEllipse(x, y, 45, 33, 9, 7.5) || inPolygon(x, y, {46, 26.5, 59, 31.5, 59, 35.5, 46, 40});
    });
    c.fillOutlined(head, paleYellow, spineBrown);

    // The spiny back: a dome whose spines point up and back.
    const Mask back = c.mask([](double x, double y) { return y < 37.5 && inEllipse(x, y, 25, 38, 21, 22); });
    const SpineCoat coat = {
        spineBrown, 43,
        46,         2.4,
        6,          2,
        5,          {{golden, golden, 4}, {spineBrown, golden, 3}, {spineDeep, spineBrown, 3}, {golden, paleYellow, 1}},
    };
    paintSpines(c, back, coat);

    c.fillOutlined(c.mask([](double x, double y) { return inEllipse(x, y, 43.5, 27, 2.5, 2.5); }), paleYellow,
                   spineBrown);      // ear
    c.fillRect(48, 29, 2, 2, black); // eye
    c.fill(c.mask([](double x, double y) { return inEllipse(x, y, 59, 33.5, 2, 2); }),
           black); // nose
    return c.image();
}

} // namespace pictures
