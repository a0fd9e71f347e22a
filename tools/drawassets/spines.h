// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas.h"

#include <QList>

namespace draw {

// How one kind of spine is coloured: its shaft, its tip, and how often it occurs.
struct SpineKind {
    QRgb shaft;
    QRgb tip;
    int weight;
};

// A coat of spines: the area is filled with the base colour and covered with
// short strokes pointing away from the root point, each of a kind picked by
// a hash of its place. Strokes may poke up to `overhang` pixels past the
// area, which notches the outline the way real spines do.
struct SpineCoat {
    QRgb base;
    double rootX;
    double rootY;
    double spacing;
    double length;
    int overhang;
    std::uint32_t seed;
    QList<SpineKind> kinds;
};

// Returns the image pixels the coat covers. The coat is laid out in picture
// pixels, so it is the same coat at every scale, each spine a picture pixel wide.
Mask paintSpines(Canvas &canvas, const Mask &area, const SpineCoat &coat);

} // namespace draw
