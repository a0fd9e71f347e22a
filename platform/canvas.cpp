// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include "accessible.h"
#include "app.h"
#include "form.h"
#include "image.h"
#include "keys.h"
#include "label.h"
#include "pictures.h"
#include "twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace platform {

Canvas::Canvas(Form &form)
    : QWidget(nullptr,
              Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_form(form)
{
    const FormLayout &layout = form.layout();
    setFixedSize(twipsToPixels(float(layout.clientWidth)), twipsToPixels(float(layout.clientHeight)));
    setWindowTitle(layout.caption);
    if (!form.app().icon().isNull())
        setWindowIcon(form.app().icon());
    // Everything is painted here, opaque, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    accessible::install();
}

void Canvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const FormLayout &layout = m_form.layout();
    painter.fillRect(rect(), layout.backColor);
    if (!layout.picture.isEmpty())
        pictures::draw(painter, layout.picture, rect(), false, devicePixelRatioF());

    for (const Control *control : m_form.controls()) {
        if (auto *label = dynamic_cast<const Label *>(control)) {
            // Laying text out is the dearest part of a paint: skip it where
            // the repaint misses the letters, as it does for the chase that
            // runs just under the menu's title.
            if (!event->region().intersects(label->inkRect()))
                continue;
            const QRect area = label->pixelRect();
            painter.save();
            painter.setClipRect(area, Qt::IntersectClip); // a label's text stays inside it
            painter.setFont(label->font());
            painter.setPen(label->layout().foreColor);
            painter.drawText(area, label->textFlags(), label->Caption());
            painter.restore();
        } else if (auto *image = dynamic_cast<const Image *>(control)) {
            if (!image->Visible())
                continue;
            const QRect area = image->pixelRect();
            if (area.isEmpty() || !event->region().intersects(area))
                continue;
            // Drawn in the screen's own pixels, from the drawing that suits
            // its display scale.
            pictures::draw(painter, image->layout().picture, area, image->layout().stretch, devicePixelRatioF());
        }
    }
    // The label the keyboard selected: a dotted rectangle round its text, as
    // the desktop marks a focused label, in front of everything.
    if (const Label *focused = m_form.focusMarked() ? m_form.focusedLabel() : nullptr) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focused->inkRect().adjusted(0, 0, -1, -1));
    }
}

void Canvas::keyPressEvent(QKeyEvent *event)
{
    Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Backtab)
        modifiers |= Qt::ShiftModifier; // it is Shift+Tab, whatever else was reported
    const int code = virtualKeyCode(event->key(), modifiers, event->nativeScanCode());
    if (code != 0)
        m_form.keyPressed(code, shiftState(modifiers));
    event->accept();
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressedAt = event->position().toPoint();
}

void Canvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pressedAt = m_pressedAt;
    m_pressedAt = QPoint(-1, -1);
    // A click is a press and a release on the same label.
    m_form.clicked(pressedAt, event->position().toPoint());
}

void Canvas::closeEvent(QCloseEvent *event)
{
    // The form decides, and hides or unloads the window itself.
    event->ignore();
    m_form.closeRequested();
}

void Canvas::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // Qt tells screen readers that the window has the focus once this has
    // returned; the selected label is told after that, so that the window's
    // name is followed by the label, as in a dialog with a focused button.
    if (m_form.focusedLabel()) {
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                accessible::focusMoved(m_form);
        });
    }
}

} // namespace platform
