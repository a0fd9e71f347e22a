// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

namespace platform {

struct LabelLayout {
    QString name;
    QString caption;
    int left = 0;   // twips
    int top = 0;    // twips
    int width = 0;  // twips
    int height = 0; // twips
    QColor foreColor = Qt::black;
    QString fontName = QStringLiteral("MS Sans Serif"); // a window's default font
    double fontSize = 8.0;                              // points, may be fractional
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wordWrap = false;
};

// Text on a window, drawn transparently over the window's background and
// picture. A click anywhere in its rectangle is its Click, even where an image
// is drawn over it.
class Label final : public Control
{
public:
    Label(Form *form, const LabelLayout &layout, std::function<void()> onClick = {});

    QString Caption() const;
    void setCaption(const QString &text);

    const LabelLayout &layout() const { return m_layout; }
    QRect pixelRect() const;
    // How the caption is set in its rectangle (Qt::AlignmentFlag, Qt::TextFlag).
    int textFlags() const;
    // The font the label is drawn in (family substitutes applied by Qt).
    const QFont &font() const;
    // Where the caption's ink lies, in logical pixels, with a small margin:
    // a repaint elsewhere in the label need not lay out its text at all.
    QRect inkRect() const;

    // Runs the Click handler; the window calls it for a click in the label.
    void click();
    // Whether it has a Click handler: a menu item rather than a text.
    bool clickable() const { return bool(m_onClick); }

    void reset() override;

private:
    LabelLayout m_layout;
    QString m_caption;
    std::function<void()> m_onClick;
    // Worked out on first use and kept: the layout never changes, the
    // caption rarely.
    mutable std::optional<QFont> m_font;
    mutable std::optional<QRect> m_inkRect;
};

} // namespace platform
