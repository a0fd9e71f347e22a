// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputdriver.h"

#include "platform/app.h"
#include "platform/form.h"
#include "platform/label.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace platform::testing::input {

void pressKey(Form &form, int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode)
{
    form.ensureLoaded();
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, scanCode, 0, 0);
    QCoreApplication::sendEvent(form.widget(), &press);
    if (!form.widget())
        return; // the key closed the window
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, scanCode, 0, 0);
    QCoreApplication::sendEvent(form.widget(), &release);
}

void clickAt(Form &form, int x, int y)
{
    form.ensureLoaded();
    // Clicking a window of the program makes it the active one first.
    switchTo(form);
    const QPointF local(x, y);
    const QPointF global = form.widget()->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.widget(), &press);
    if (!form.widget())
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.widget(), &release);
}

void click(Label &label)
{
    const QPoint centre = label.pixelRect().center();
    clickAt(*label.form(), centre.x(), centre.y());
}

void close(Form &form)
{
    form.ensureLoaded();
    form.widget()->close();
}

void switchTo(Form &form)
{
    form.ensureLoaded();
    QWidget *widget = form.widget();
    widget->winId(); // makes sure the window exists for the window system
    form.app().focusLanded(widget->windowHandle());
}

void leaveProgram(Form &form)
{
    form.app().focusLanded(nullptr);
}

} // namespace platform::testing::input
