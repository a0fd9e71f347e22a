// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

Dialogs::~Dialogs() = default;

int QtDialogs::MsgBox(const QString &prompt, int buttons, const QString &title)
{
    Q_UNUSED(buttons) // the program asks only Yes/No questions
    // Application-modal: the player answers before anything else, while the
    // timers of every window go on ticking in the box's event loop.
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
}

QString QtDialogs::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog box(QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void QtDialogs::ErrorBox(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace platform
