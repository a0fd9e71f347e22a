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
    QSize shown; // the size the game stretches it to
    QRgb window;
};

constexpr int margin = 12;
constexpr int captionWidth = 150;
constexpr int enlarge = 4;

} // namespace

QImage contactSheet()
{
    using namespace pictures;
    const QList<Entry> entries = {
        {"bar", bar(), {483, 12}, draw::fieldGrey},
        {"red car", redCar(), {121, 52}, draw::fieldGrey},
        {"blue car", blueCar(), {121, 52}, draw::fieldGrey},
        {"orange car", orangeCar(), {121, 52}, draw::fieldGrey},
        {"lorry", lorry(), {186, 52}, draw::fieldGrey},
        {"hedgehog", hog(), {49, 60}, draw::fieldGrey},
        {"squashed hedgehog", hogDead(), {73, 84}, draw::fieldGrey},
        {"side-view car", sideCar(), {96, 48}, draw::faceGrey},
        {"side-view hedgehog", sideHog(), {62, 48}, draw::faceGrey},
        {"icon 16", icon(16), {16, 16}, draw::faceGrey},
        {"icon 32", icon(32), {32, 32}, draw::faceGrey},
        {"icon 64", icon(64), {64, 64}, draw::faceGrey},
    };

    int width = 0;
    int height = margin;
    for (const Entry &e : entries) {
        const int enlarged = e.picture.width() <= 128 ? enlarge : 1;
        width = std::max(width, captionWidth + e.shown.width() + 3 * margin
                                    + e.picture.width() * enlarged + margin);
        height += std::max(e.shown.height(), e.picture.height() * enlarged) + 2 * margin;
    }
    width = std::max(width, 4 * 483 + captionWidth + 2 * margin);
    height += 12 * 4 + 2 * margin;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(qRgb(255, 255, 255));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    int y = margin;
    for (const Entry &e : entries) {
        const bool isBar = e.picture.width() > 128 && e.picture.height() < 20;
        const int factor = e.picture.width() > 128 && !isBar ? 1 : enlarge;
        const QImage shown = e.picture.scaled(e.shown, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage big = e.picture.scaled(e.picture.size() * factor, Qt::IgnoreAspectRatio,
                                            Qt::FastTransformation);
        const int rowHeight = isBar ? shown.height() + big.height() + margin
                                    : std::max(shown.height(), big.height());
        p.fillRect(0, y - margin / 2, width, rowHeight + margin, e.window);
        p.setPen(Qt::black);
        p.drawText(QRect(margin, y, captionWidth - margin, 40), Qt::AlignLeft | Qt::TextWordWrap,
                   QString::fromLatin1(e.caption));
        p.drawImage(captionWidth, y, shown);
        if (isBar)
            p.drawImage(captionWidth, y + shown.height() + margin, big);
        else
            p.drawImage(captionWidth + shown.width() + 2 * margin, y, big);
        y += rowHeight + 2 * margin;
    }
    p.end();
    return sheet.copy(0, 0, width, y);
}
