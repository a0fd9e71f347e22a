// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include "app.h"
#include "form.h"
#include "twips.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace platform {

Label::Label(Form *form, const LabelLayout &layout, std::function<void()> onClick)
    : Control(form, layout.name)
    , m_layout(layout)
    , m_caption(layout.caption)
    , m_onClick(std::move(onClick))
{
}

QString Label::Caption() const
{
    ensureLoaded();
    return m_caption;
}

void Label::setCaption(const QString &text)
{
    ensureLoaded();
    if (text == m_caption)
        return;
    m_caption = text;
    m_inkRect.reset();
    form()->invalidate(pixelRect());
}

QRect Label::pixelRect() const
{
    return twipsToPixels(float(m_layout.left), float(m_layout.top), float(m_layout.width), float(m_layout.height));
}

const QFont &Label::font() const
{
    if (!m_font) {
        QFont font(m_layout.fontName);
        // A point is 20 twips: sized in the same logical pixels as the layout,
        // the text keeps to its label whatever the screen's dots per inch.
        constexpr double twipsPerPoint = 20.0;
        font.setPixelSize(qRound(m_layout.fontSize * twipsPerPoint / twipsPerPixel));
        font.setWeight(QFont::Normal);
        m_font = font;
    }
    return *m_font;
}

int Label::textFlags() const
{
    int flags = int(m_layout.alignment) | Qt::AlignTop;
    if (m_layout.wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

QRect Label::inkRect() const
{
    if (!m_inkRect) {
        // Drawn once, off the screen, exactly as the window draws it; the
        // margin covers the odd pixel that antialiasing or a high-DPI
        // screen's rounding may add.
        const QRect area = pixelRect();
        QImage ink(area.size().expandedTo(QSize(1, 1)), QImage::Format_Alpha8);
        ink.fill(0);
        {
            QPainter painter(&ink);
            painter.setFont(font());
            painter.drawText(QRect(QPoint(0, 0), area.size()), textFlags(), m_caption);
        }
        int left = ink.width(), right = -1, top = ink.height(), bottom = -1;
        for (int y = 0; y < ink.height(); ++y) {
            const uchar *row = ink.constScanLine(y);
            for (int x = 0; x < ink.width(); ++x) {
                if (row[x] != 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        const QRect used(QPoint(left, top), QPoint(right, bottom)); // empty when no ink
        constexpr int margin = 2;
        m_inkRect
            = used.isEmpty() ? QRect() : used.translated(area.topLeft()).adjusted(-margin, -margin, margin, margin);
    }
    return *m_inkRect;
}

void Label::click()
{
    if (m_onClick)
        form()->app().dispatch(m_onClick);
}

void Label::reset()
{
    if (m_caption != m_layout.caption)
        m_inkRect.reset();
    m_caption = m_layout.caption;
}

} // namespace platform
