// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace platform {

// The pictures of the layouts, loaded once and kept pre-scaled for every size
// they are drawn at, so that painting a frame only copies pixels. Each picture
// may come drawn at 2 and 3 times its pixels as well, named the Qt way
// (hog.bmp, hog@2x.bmp, hog@3x.bmp); a screen at a higher display scale gets
// the finer drawing rather than the small one enlarged.
namespace pictures {

inline constexpr int largestScale = 3;

// The path of the picture drawn at `scale` times its pixels; scale 1 is the path itself.
QString atScale(const QString &path, int scale);

// The picture at its own size (a null pixmap when it cannot be loaded).
QPixmap original(const QString &path);

// The icon from its file and its drawings at every scale, so that the window
// system can pick the size it shows at any display scale.
QIcon icon(const QString &path);

// How a picture lands on a screen of the given device pixel ratio: which
// drawing is used (the smallest at least as fine as the screen, the largest
// beyond that) and the device pixels it is scaled to. A stretched picture
// fills the control's area; an unstretched one keeps its own logical size
// from the area's top-left corner and is clipped to the area when drawn.
struct Placement {
    int scale;
    QRect device;
};
Placement place(const QSize &pictureSize, const QRect &area, bool stretch, qreal ratio);

// Draws the picture into the logical area of a window whose device pixel ratio is `ratio`.
void draw(QPainter &painter, const QString &path, const QRect &area, bool stretch, qreal ratio);

} // namespace pictures

} // namespace platform
