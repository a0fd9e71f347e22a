// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QHash>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace platform::pictures {

namespace {
struct Key {
    QString path;
    QSize size;
    bool operator==(const Key &other) const { return path == other.path && size == other.size; }
};
size_t qHash(const Key &key, size_t seed = 0)
{
    return ::qHash(key.path, seed) ^ ::qHash(key.size.width() * 65599 + key.size.height(), seed);
}

QHash<Key, QPixmap> &cache()
{
    static QHash<Key, QPixmap> pixmaps; // pictures never change while the program runs
    return pixmaps;
}

// The drawing at `scale`, or the next coarser one that exists.
QPixmap drawing(const QString &path, int scale)
{
    for (; scale > 1; --scale) {
        QPixmap pixmap = original(atScale(path, scale));
        if (!pixmap.isNull())
            return pixmap;
    }
    return original(path);
}

// The drawing at `scale` brought to `size` device pixels.
QPixmap scaled(const QString &path, int scale, const QSize &size)
{
    const Key key{atScale(path, scale), size};
    auto it = cache().constFind(key);
    if (it != cache().constEnd())
        return *it;
    const QPixmap source = drawing(path, scale);
    QPixmap pixmap;
    if (!source.isNull() && !size.isEmpty()) {
        // Smooth scaling keeps the pixel art readable when shrunk (the
        // hedgehog, and any drawing finer than the screen) and soft rather
        // than blocky when enlarged (the cars). A drawing already at the
        // size is used as it is.
        pixmap = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    cache().insert(key, pixmap);
    return pixmap;
}
} // namespace

QString atScale(const QString &path, int scale)
{
    if (scale == 1)
        return path;
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString suffix = QStringLiteral("@%1x").arg(scale);
    return dot < 0 ? path + suffix : path.left(dot) + suffix + path.mid(dot);
}

QPixmap original(const QString &path)
{
    const Key key{path, QSize()};
    auto it = cache().constFind(key);
    if (it != cache().constEnd())
        return *it;
    QPixmap pixmap = QPixmap::fromImage(QImage(path));
    cache().insert(key, pixmap);
    return pixmap;
}

QIcon icon(const QString &path)
{
    QIcon icon;
    for (int scale = 1; scale <= largestScale; ++scale)
        icon.addFile(atScale(path, scale));
    return icon;
}

Placement place(const QSize &pictureSize, const QRect &area, bool stretch, qreal ratio)
{
    // A hair of tolerance, so that a ratio that should be 2 but was computed
    // as 2.0000001 does not ask for the 3x drawing.
    const int scale = std::clamp(int(std::ceil(ratio - 1e-3)), 1, largestScale);
    const QSize logical = stretch ? area.size() : pictureSize;
    return {scale, QRect((QPointF(area.topLeft()) * ratio).toPoint(), (QSizeF(logical) * ratio).toSize())};
}

void draw(QPainter &painter, const QString &path, const QRect &area, bool stretch, qreal ratio)
{
    const QPixmap picture = original(path);
    if (picture.isNull())
        return;
    const Placement at = place(picture.size(), area, stretch, ratio);
    const QPixmap pixmap = scaled(path, at.scale, at.device.size());
    if (pixmap.isNull())
        return;
    // The target in logical pixels that the painter maps back onto exactly
    // the device rectangle, so the pixmap is copied, never resampled again.
    const QRectF target(QPointF(at.device.topLeft()) / ratio, QSizeF(at.device.size()) / ratio);
    if (stretch) {
        painter.drawPixmap(target, pixmap, QRectF(pixmap.rect()));
        return;
    }
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.drawPixmap(target, pixmap, QRectF(pixmap.rect()));
    painter.restore();
}

} // namespace platform::pictures
