// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "pictures.h"
#include "spines.h"

#include <cmath>
#include <numbers>

using namespace draw;

namespace pictures {

namespace {

constexpr int hogWidth = 66;
constexpr int hogHeight = 76;
constexpr QRgb skin = qRgb(160, 104, 48); // snout, face and legs
constexpr double pi = std::numbers::pi;

// The back: an oval behind the head, a little longer than wide.
bool inBack(double x, double y)
{
    return inEllipse(x, y, 33, 47, 22, 25);
}

const SpineCoat coat = {
    darkBrown, 33,
    16,        2.6,
    5,         2,
    7,         {{golden, white, 5}, {golden, golden, 3}, {darkBrown, golden, 2}, {black, black, 3}, {white, white, 1}},
};

// Draws the hedgehog, head up, with its top-left corner at (left, top).
// Red specks among the spines when it has been run over.
void drawHogFromAbove(Canvas &c, int left, int top, bool squashed)
{
    auto local = [&](auto inside) { return c.mask([=](double x, double y) { return inside(x - left, y - top); }); };

    // Legs and head first: the coat covers their inner ends.
    const Mask legs = local([](double x, double y) {
        return inEllipse(x, y, 12, 29, 5, 3.5) || inEllipse(x, y, 54, 29, 5, 3.5) || inEllipse(x, y, 13, 65, 5, 3.5)
            || inEllipse(x, y, 53, 65, 5, 3.5);
    });
    c.fillOutlined(legs, skin, darkBrown);
    for (const auto &[x, y] : {std::pair{7, 27}, {7, 29}, {59, 27}, {59, 29}, {8, 65}, {8, 67}, {58, 65}, {58, 67}})
        c.setPixel(left + x, top + y, black); // claws

    const Mask head = local([](double x, double y) {
        return inEllipse(x, y, 33, 21, 9.5, 8) || inPolygon(x, y, {25, 19, 31.5, 3, 34.5, 3, 41, 19});
    });
    c.fillOutlined(head, skin, darkBrown);
    const Mask ears = local([](double x, double y) {
        return inEllipse(x, y, 24.5, 22.5, 2.5, 2.5) || inEllipse(x, y, 41.5, 22.5, 2.5, 2.5);
    });
    c.fillOutlined(ears, skin, darkBrown);

    SpineCoat shifted = coat;
    shifted.rootX += left;
    shifted.rootY += top;
    shifted.seed += std::uint32_t(left * 131 + top);
    const Mask back = local(inBack);
    const Mask spines = paintSpines(c, back, shifted);
    // Specks the size of a picture pixel, at any scale.
    const int k = c.scale();
    if (squashed)
        for (int y = 0; y < spines.height(); ++y)
            for (int x = 0; x < spines.width(); ++x)
                if (spines.at(x, y) && hash(std::uint32_t(x / k), std::uint32_t(y / k), 11) % 100 < 7)
                    c.image().setPixel(x, y, red);

    c.fill(local([](double x, double y) { return inEllipse(x, y, 33, 4.5, 2.6, 2.4); }),
           black);                                // nose
    c.fillRect(left + 29, top + 13, 2, 2, black); // eyes
    c.fillRect(left + 35, top + 13, 2, 2, black);
}

} // namespace

QImage hog(int scale)
{
    Canvas c(hogWidth, hogHeight, fieldGrey, scale);
    drawHogFromAbove(c, 0, 0, false);
    return c.image();
}

QImage hogDead(int scale)
{
    constexpr int width = 95;
    constexpr int height = 104;
    constexpr double cx = 47.5, cy = 53;
    Canvas c(width, height, fieldGrey, scale);

    // An irregular splash: a blob whose radius wobbles with the angle, a few
    // long tongues, and loose drops around it.
    const Mask splash = c.mask([=](double x, double y) {
        const double a = std::atan2(y - cy, x - cx);
        const double r = std::hypot((x - cx) / 1.0, (y - cy) / 1.08);
        double edge = 38 + 3.0 * std::sin(3 * a + 0.7) + 2.0 * std::sin(5 * a + 2.1) + 1.5 * std::sin(11 * a + 0.3);
        const double tongue = std::pow(std::max(0.0, std::cos(7 * a + 1.3)), 24);
        edge += 6 * tongue;
        return r <= std::min(edge, 45.0);
    });
    c.fill(splash, red);
    for (std::uint32_t i = 0; i < 14; ++i) {
        const double a = (hash(i, 1, 3) % 3600) / 3600.0 * 2 * pi;
        const double r = 40 + hash(i, 2, 3) % 7;
        const double dx = cx + r * std::cos(a);
        const double dy = cy + r * 1.08 * std::sin(a);
        const double size = 1.0 + (hash(i, 3, 3) % 3) * 0.6;
        const Mask drop = c.mask([=](double x, double y) {
            return inEllipse(x, y, dx, dy, size, size) && x > 1 && y > 1 && x < width - 1 && y < height - 1;
        });
        c.fill(drop, red);
    }
    drawHogFromAbove(c, 14, 15, true);
    return c.image();
}

} // namespace pictures
