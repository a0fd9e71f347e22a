// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>
#include <deque>

namespace platform::testing {

class ManualClock;

// Boxes for tests: answers are queued beforehand, every box shown is recorded,
// and a box may stay "open" for a while on the manual clock, so the ticks due
// meanwhile are delivered while the handler waits for the answer.
class ScriptedDialogs final : public Dialogs
{
public:
    enum class Kind { Message, Input, Error };
    struct Box {
        Kind kind;
        QString prompt;
        QString title;
        QString defaultText; // input boxes
        int buttons = 0;     // message boxes
    };

    explicit ScriptedDialogs(ManualClock *clock = nullptr);

    // The next message box answers `result` after `openMs` of virtual time.
    void answerMessage(int result, qint64 openMs = 0);
    // The next input box returns `text` (empty: cancelled) after `openMs`.
    void answerInput(const QString &text, qint64 openMs = 0);
    // The next input box returns its default text.
    void acceptInputDefault(qint64 openMs = 0);

    const QList<Box> &shown() const { return m_shown; }
    // Boxes that were shown with no answer queued (they answered No / empty).
    int unexpected() const { return m_unexpected; }
    int pending() const { return int(m_answers.size()); }

    int MsgBox(const QString &prompt, int buttons, const QString &title) override;
    QString InputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
    void ErrorBox(const QString &title, const QString &text) override;

private:
    struct Answer {
        Kind kind;
        int result = 0;
        QString text;
        bool useDefault = false;
        qint64 openMs = 0;
    };
    bool take(Kind kind, Answer &answer);

    ManualClock *m_clock;
    std::deque<Answer> m_answers;
    QList<Box> m_shown;
    int m_unexpected = 0;
};

} // namespace platform::testing
