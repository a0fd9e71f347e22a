// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <cmath>

namespace platform {

// 15 twips make one logical pixel; Qt scales logical pixels for high-DPI
// screens.
constexpr int twipsPerPixel = 15;

inline int twipsToPixels(float twips)
{
    return int(std::lround(twips / twipsPerPixel));
}

// The pixel rectangle of a control; edges are rounded separately so that
// neighbouring controls meet without gaps.
inline QRect twipsToPixels(float left, float top, float width, float height)
{
    const int x0 = twipsToPixels(left);
    const int y0 = twipsToPixels(top);
    return QRect(x0, y0, twipsToPixels(left + width) - x0, twipsToPixels(top + height) - y0);
}

} // namespace platform
