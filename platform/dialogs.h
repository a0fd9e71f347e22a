// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// Message-box buttons and answers, as the classic desktop numbers them.
constexpr int vbYesNo = 4;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// The program's modal boxes. Both are modal for the player; while one is open
// the events of every window go on being delivered, timer ticks included.
class Dialogs
{
public:
    virtual ~Dialogs();
    // Returns vbYes or vbNo for buttons vbYesNo.
    virtual int MsgBox(const QString &prompt, int buttons, const QString &title) = 0;
    // Returns the text in the box, or an empty text when cancelled.
    virtual QString InputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    // Tells the player about a run-time error that ends the program.
    virtual void ErrorBox(const QString &title, const QString &text) = 0;
};

// The width a box's frame needs for its whole title beside the title bar's
// buttons, in the title fonts of the desktops the game meets: openbox's
// default theme and GNOME's.
int titleBarWidth(const QString &title);

// The real boxes, Qt's dialogs, each at least as wide as its title needs.
class QtDialogs final : public Dialogs
{
public:
    int MsgBox(const QString &prompt, int buttons, const QString &title) override;
    QString InputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    void ErrorBox(const QString &title, const QString &text) override;
};

} // namespace platform
