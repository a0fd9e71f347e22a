// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "image.h"

#include "form.h"
#include "runtimeerror.h"
#include "twips.h"

namespace platform {

Image::Image(Form *form, const ImageLayout &layout)
    : Control(form, layout.name)
    , m_layout(layout)
{
    reset();
}

float Image::Left() const
{
    ensureLoaded();
    return m_left;
}

float Image::Top() const
{
    ensureLoaded();
    return m_top;
}

float Image::Width() const
{
    ensureLoaded();
    return m_width;
}

float Image::Height() const
{
    ensureLoaded();
    return float(m_layout.height);
}

bool Image::Visible() const
{
    ensureLoaded();
    return m_visible;
}

void Image::setLeft(float twips)
{
    ensureLoaded();
    if (twips == m_left)
        return;
    const QRect before = pixelRect();
    m_left = twips;
    const QRect after = pixelRect();
    // A picture sliding along its row covers one rectangle from where it was
    // to where it is: one repaint request rather than two.
    if (before.intersects(after)) {
        changing(before.united(after));
    } else {
        changing(before);
        changing(after);
    }
}

void Image::setTop(float twips)
{
    ensureLoaded();
    if (twips == m_top)
        return;
    changing();
    m_top = twips;
    changing();
}

void Image::setWidth(float twips)
{
    ensureLoaded();
    if (twips < 0)
        throw RuntimeError(errors::InvalidPropertyValue,
                           QString::fromUtf8(QT_TRANSLATE_NOOP("storage::RuntimeError", "Invalid property value")));
    if (twips == m_width)
        return;
    changing();
    m_width = twips;
    changing();
}

void Image::setVisible(bool visible)
{
    ensureLoaded();
    if (visible == m_visible)
        return;
    m_visible = true;
    changing(); // the area it covers, whichever way it goes
    m_visible = visible;
}

QRect Image::pixelRect() const
{
    return twipsToPixels(m_left, m_top, m_width, float(m_layout.height));
}

void Image::changing()
{
    changing(pixelRect());
}

void Image::changing(const QRect &area)
{
    if (m_visible && form()->isLoaded())
        form()->invalidate(area);
}

void Image::reset()
{
    m_left = float(m_layout.left);
    m_top = float(m_layout.top);
    m_width = float(m_layout.width);
    m_visible = m_layout.visible;
}

} // namespace platform
