// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <QRect>
#include <QString>

namespace platform {

struct ImageLayout {
    QString name;
    int left = 0;   // twips
    int top = 0;    // twips
    int width = 0;  // twips
    int height = 0; // twips
    bool visible = true;
    bool stretch = false;
    QString picture; // resource path of a bitmap, e.g. ":/pictures/hog.bmp"
};

// A picture on a window. Left, Top and Width are single-precision twips in the
// client area and may lie outside it; Height, picture and stretch come from the
// layout. A stretched picture is scaled to the control's size; an unstretched
// one is drawn at its own pixel size from the top-left corner and clipped to the
// control. Images take no clicks.
class Image final : public Control
{
public:
    Image(Form *form, const ImageLayout &layout);

    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    bool Visible() const;

    void setLeft(float twips);
    void setTop(float twips);
    // A negative width raises RuntimeError (InvalidPropertyValue) and leaves
    // the width as it was.
    void setWidth(float twips);
    void setVisible(bool visible);

    const ImageLayout &layout() const { return m_layout; }
    // Where the control lies on the window, in logical pixels.
    QRect pixelRect() const;

    void reset() override;

private:
    // Repaints the area the picture covers, or the area given.
    void changing();
    void changing(const QRect &area);

    ImageLayout m_layout;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    bool m_visible = true;
};

} // namespace platform
