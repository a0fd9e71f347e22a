// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "contactsheet.h"

#include "canvas.h"
#include "pictures.h"

#include <QPainter>

#include <algorithm>

namespace {

struct Entry {
    const char *caption;
    QImage picture;
    QImage sharp; // the same drawing at twice the pixels
    QSize shown;  // the size the game stretches it to
    QRgb window;
};

constexpr int margin = 12;
constexpr int captionWidth = 150;
constexpr int enlarge = 4;

QImage enlarged(const QImage &image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QImage contactSheet()
{
    using namespace pictures;
    auto entry = [](const char *caption, QImage (*draw)(int), QSize shown, QRgb window) {
        return Entry{caption, draw(1), draw(2), shown, window};
    };
    auto iconEntry = [](const char *caption, int size) {
        return Entry{caption, icon(size), icon(2 * size), {size, size}, draw::faceGrey};
    };
    const QList<Entry> entries = {
        entry("bar", bar, {483, 12}, draw::fieldGrey),
        entry("red car", redCar, {121, 52}, draw::fieldGrey),
        entry("blue car", blueCar, {121, 52}, draw::fieldGrey),
        entry("orange car", orangeCar, {121, 52}, draw::fieldGrey),
        entry("lorry", lorry, {186, 52}, draw::fieldGrey),
        entry("hedgehog", hog, {49, 60}, draw::fieldGrey),
        entry("squashed hedgehog", hogDead, {73, 84}, draw::fieldGrey),
        entry("side-view car", sideCar, {96, 48}, draw::faceGrey),
        entry("side-view hedgehog", sideHog, {62, 48}, draw::faceGrey),
        iconEntry("icon 16", 16),
        iconEntry("icon 32", 32),
        iconEntry("icon 64", 64),
    };

    // Each row: the picture as the game shows it at scale 1, then enlarged
    // four times, beside its 2x drawing enlarged twice (the bar stacks them).
    const auto isBar = [](const Entry &e) { return e.picture.width() > 128; };
    int width = 4 * 483 + captionWidth + 2 * margin;
    int height = margin;
    for (const Entry &e : entries) {
        const int big = e.picture.height() * enlarge;
        if (isBar(e)) {
            height += e.shown.height() + 2 * (big + margin) + 2 * margin;
            continue;
        }
        width = std::max(width, captionWidth + e.shown.width() + 4 * margin + 2 * e.picture.width() * enlarge + margin);
        height += std::max(e.shown.height(), big) + 2 * margin;
    }

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(qRgb(255, 255, 255));
    QPainter p(&sheet);
    int y = margin;
    for (const Entry &e : entries) {
        const QImage shown = e.picture.scaled(e.shown, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage big = enlarged(e.picture, enlarge);
        const QImage sharp = enlarged(e.sharp, enlarge / 2);
        const int rowHeight
            = isBar(e) ? shown.height() + 2 * (big.height() + margin) : std::max(shown.height(), big.height());
        p.fillRect(0, y - margin / 2, width, rowHeight + margin, e.window);
        p.setPen(Qt::black);
        p.drawText(QRect(margin, y, captionWidth - margin, 40), Qt::AlignLeft | Qt::TextWordWrap,
                   QString::fromLatin1(e.caption));
        p.drawImage(captionWidth, y, shown);
        if (isBar(e)) {
            p.drawImage(captionWidth, y + shown.height() + margin, big);
            p.drawImage(captionWidth, y + shown.height() + big.height() + 2 * margin, sharp);
        } else {
            const int x = captionWidth + shown.width() + 2 * margin;
            p.drawImage(x, y, big);
            p.drawImage(x + big.width() + 2 * margin, y, sharp);
        }
        y += rowHeight + 2 * margin;
    }
    p.end();
    return sheet.copy(0, 0, width, y);
}
