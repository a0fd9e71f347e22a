// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spines.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace draw {

Mask paintSpines(Canvas &canvas, const Mask &area, const SpineCoat &coat)
{
    const int k = canvas.scale();
    canvas.fill(area, coat.base);
    Mask allowed = area;
    for (int i = 0; i < coat.overhang * k; ++i)
        allowed = allowed.grown();
    Mask covered = area;

    int totalWeight = 0;
    for (const SpineKind &kind : coat.kinds)
        totalWeight += kind.weight;

    struct Stroke {
        double x, y, distance;
        std::uint32_t pick;
    };
    std::vector<Stroke> strokes;
    const int columns = int(canvas.width() / coat.spacing) + 1;
    const int rows = int(canvas.height() / coat.spacing) + 1;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const std::uint32_t h = hash(std::uint32_t(column), std::uint32_t(row), coat.seed);
            const double x = (column + (h % 1000) / 1000.0) * coat.spacing;
            const double y = (row + (h / 1000 % 1000) / 1000.0) * coat.spacing;
            if (!area.at(int(x * k), int(y * k)))
                continue;
            strokes.push_back({x, y, std::hypot(x - coat.rootX, y - coat.rootY),
                               hash(std::uint32_t(column), std::uint32_t(row), coat.seed + 1)});
        }
    // Spines further back first: the ones in front lie over their roots.
    std::stable_sort(strokes.begin(), strokes.end(),
                     [](const Stroke &a, const Stroke &b) { return a.distance > b.distance; });

    for (const Stroke &s : strokes) {
        int pick = int(s.pick % std::uint32_t(totalWeight));
        const SpineKind *kind = &coat.kinds.front();
        for (const SpineKind &k : coat.kinds) {
            if (pick < k.weight) {
                kind = &k;
                break;
            }
            pick -= k.weight;
        }
        const double dx = (s.x - coat.rootX) / std::max(s.distance, 1.0);
        const double dy = (s.y - coat.rootY) / std::max(s.distance, 1.0);
        // Half a picture pixel a step; a spine is a block of k x k image
        // pixels at each step, and its last picture pixel is its tip.
        const int steps = int(coat.length * 2) * k;
        const double step = 0.5 / k;
        for (int t = 0; t <= steps; ++t) {
            const int px = int(std::floor((s.x + dx * t * step) * k));
            const int py = int(std::floor((s.y + dy * t * step) * k));
            if (!allowed.at(px, py))
                break;
            const QRgb colour = t > steps - 2 * k ? kind->tip : kind->shaft;
            const int x0 = px - (k - 1) / 2;
            const int y0 = py - (k - 1) / 2;
            for (int y = y0; y < y0 + k; ++y)
                for (int x = x0; x < x0 + k; ++x)
                    if (allowed.at(x, y)) {
                        canvas.image().setPixel(x, y, colour);
                        covered.set(x, y);
                    }
        }
    }
    return covered;
}

} // namespace draw
