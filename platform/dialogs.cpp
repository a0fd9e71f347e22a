// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

namespace platform {

namespace {

// A desktop's title bar: its font, how much wider than Qt measures it the
// title comes out (in percent), and the room the icon, buttons and margins
// leave.
struct TitleBar {
    const char *family;
    qreal points;
    int percent;
    int room;
};

// Openbox's default theme draws Sans Bold 8 a twentieth wider than Qt, and
// centres it across the whole bar, so the width of its iconify, maximise and
// close buttons stays free on both sides. GNOME centres Cantarell Bold 11
// beside its close button the same way.
constexpr TitleBar titleBars[] = {{"Sans", 8, 105, 112}, {"Cantarell", 11, 100, 80}};

// Qt sizes a box for its text and buttons; the desktop then draws the title
// bigger and bold, and cuts what does not fit. A box too narrow for its
// title grows; returns by how much.
int widenForTitle(QWidget &box)
{
    const int added = titleBarWidth(box.windowTitle()) - box.width();
    if (added <= 0)
        return 0;
    const int width = box.width() + added;
    const int height
        = box.layout() && box.layout()->hasHeightForWidth() ? box.layout()->totalHeightForWidth(width) : box.height();
    if (box.minimumWidth() == box.maximumWidth()) {
        box.setFixedSize(width, height);
    } else {
        box.setMinimumWidth(width);
        box.resize(width, height);
    }
    return added;
}

// A box that keeps its whole title: widened about its centre before it is
// seen, and again whenever Qt sizes it anew (a message box does at each
// layout request).
template<typename Box>
class Titled final : public Box
{
public:
    using Box::Box;

protected:
    void showEvent(QShowEvent *event) override
    {
        Box::showEvent(event);
        this->move(this->x() - widenForTitle(*this) / 2, this->y());
    }
    bool event(QEvent *event) override
    {
        const bool handled = Box::event(event);
        if (event->type() == QEvent::LayoutRequest)
            widenForTitle(*this);
        return handled;
    }
};

} // namespace

int titleBarWidth(const QString &title)
{
    int width = 0;
    for (const TitleBar &bar : titleBars) {
        QFont font(QString::fromLatin1(bar.family));
        font.setPointSizeF(bar.points);
        font.setBold(true);
        width = qMax(width, (QFontMetrics(font).horizontalAdvance(title) * bar.percent + 99) / 100 + bar.room);
    }
    // Never wider than the screen: the desktop cuts what is left over.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        width = qMin(width, screen->availableGeometry().width());
    return width;
}

Dialogs::~Dialogs() = default;

int QtDialogs::MsgBox(const QString &prompt, int buttons, const QString &title)
{
    Q_UNUSED(buttons) // the program asks only Yes/No questions
    // Application-modal: the player answers before anything else, while the
    // timers of every window go on ticking in the box's event loop.
    Titled<QMessageBox> box(QMessageBox::NoIcon, title, prompt, QMessageBox::Yes | QMessageBox::No,
                            QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
}

QString QtDialogs::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    Titled<QInputDialog> box(QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void QtDialogs::ErrorBox(const QString &title, const QString &text)
{
    Titled<QMessageBox> box(QMessageBox::Critical, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace platform
