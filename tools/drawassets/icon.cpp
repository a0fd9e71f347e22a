// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"
#include "pictures.h"

#include <algorithm>
#include <cmath>

using namespace draw;

namespace pictures {

namespace {

constexpr QRgb road = qRgb(128, 128, 128);
constexpr QRgb kerb = qRgb(192, 192, 192);

// The design on a 16 x 16 grid, at any size: (x, y) in grid units, s the
// size of a grid unit in pixels.
QRgb iconColour(double x, double y, double s)
{
    if (y < 1 || y >= 15)
        return kerb;
    // Left-pointing arrow above the line, right-pointing below, point-symmetric.
    const bool lower = y >= 8;
    const double ax = lower ? 16 - x : x;
    const double ay = lower ? 16 - y : y;
    const bool arrowHead = inPolygon(ax, ay, {1, 4, 6.5, 1, 6.5, 7});
    const bool shaft = ax >= 6 && ax < 14.5 && ay >= 3 && ay < 5;
    if (arrowHead || shaft)
        return white;
    // Dashes of the centre line: two grid units on, two off, two pixels thick
    // up to 32 px and thicker beyond.
    const double half = std::max(1.0, s / 2) / s;
    const double phase = std::fmod(x, 4.0);
    if (std::fabs(y - 8) < half && phase >= 1 && phase < 3)
        return yellow;
    return road;
}

// At 16 px the sampled arrow heads lose their points, so that size is drawn
// by hand: K kerb, - road, W arrow, Y centre line.
constexpr const char *small[16] = {
    "KKKKKKKKKKKKKKKK", "----W-----------", "---WW-----------", "--WWWWWWWWWWWW--",
    "--WWWWWWWWWWWW--", "---WW-----------", "----W-----------", "-YY--YY--YY--YY-",
    "-YY--YY--YY--YY-", "-----------W----", "-----------WW---", "--WWWWWWWWWWWW--",
    "--WWWWWWWWWWWW--", "-----------WW---", "-----------W----", "KKKKKKKKKKKKKKKK",
};

// The icon at size x size pixels, each the average of samples x samples
// points of the design (one point keeps to the design's colours).
QImage drawIcon(int size, int samples)
{
    QImage image(size, size, QImage::Format_RGB32);
    if (size == 16) {
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const char c = small[y][x];
                image.setPixel(x, y, c == 'K' ? kerb : c == 'W' ? white : c == 'Y' ? yellow : road);
            }
        return image;
    }
    const double s = size / 16.0;
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < samples; ++j)
                for (int i = 0; i < samples; ++i) {
                    const double x = (px + (i + 0.5) / samples) / s;
                    const double y = (py + (j + 0.5) / samples) / s;
                    const QRgb c = iconColour(x, y, s);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            const int n = samples * samples;
            image.setPixel(px, py, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    return image;
}

} // namespace

const QList<QRgb> &iconPalette()
{
    // The classic sixteen colours.
    static const QList<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return palette;
}

QImage icon(int size)
{
    // Small sizes sample each pixel's centre, which keeps to the palette and
    // stays crisp; large ones average 4 x 4 samples to smooth the slanted edges.
    return drawIcon(size, size <= 32 ? 1 : 4);
}

QImage paletteIcon(int size)
{
    return drawIcon(size, 1);
}

} // namespace pictures
