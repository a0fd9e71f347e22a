// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QHash>
#include <QImage>

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
} // namespace

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

QPixmap scaled(const QString &path, const QSize &size)
{
    const Key key{path, size};
    auto it = cache().constFind(key);
    if (it != cache().constEnd())
        return *it;
    QPixmap source = original(path);
    QPixmap pixmap;
    if (!source.isNull() && !size.isEmpty()) {
        // Smooth scaling keeps the small pixel art readable when shrunk (the
        // hedgehog) and soft rather than blocky when enlarged (the cars).
        pixmap = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    cache().insert(key, pixmap);
    return pixmap;
}

} // namespace platform::pictures
