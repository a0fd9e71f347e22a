// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include "app.h"
#include "form.h"
#include "twips.h"

#include <QFont>

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
    form()->invalidate(pixelRect());
}

QRect Label::pixelRect() const
{
    return twipsToPixels(float(m_layout.left), float(m_layout.top), float(m_layout.width), float(m_layout.height));
}

QFont Label::font() const
{
    QFont font(m_layout.fontName);
    // A point is 20 twips: sized in the same logical pixels as the layout,
    // the text keeps to its label whatever the screen's dots per inch.
    constexpr double twipsPerPoint = 20.0;
    font.setPixelSize(qRound(m_layout.fontSize * twipsPerPoint / twipsPerPixel));
    font.setWeight(QFont::Normal);
    return font;
}

void Label::click()
{
    if (m_onClick)
        form()->app().dispatch(m_onClick);
}

void Label::reset()
{
    m_caption = m_layout.caption;
}

} // namespace platform
