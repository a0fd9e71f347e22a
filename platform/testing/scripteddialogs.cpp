// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripteddialogs.h"

#include "manualclock.h"

namespace platform::testing {

ScriptedDialogs::ScriptedDialogs(ManualClock *clock)
    : m_clock(clock)
{
}

void ScriptedDialogs::answerMessage(int result, qint64 openMs)
{
    m_answers.push_back({Kind::Message, result, {}, false, openMs});
}

void ScriptedDialogs::answerInput(const QString &text, qint64 openMs)
{
    m_answers.push_back({Kind::Input, 0, text, false, openMs});
}

void ScriptedDialogs::acceptInputDefault(qint64 openMs)
{
    m_answers.push_back({Kind::Input, 0, {}, true, openMs});
}

bool ScriptedDialogs::take(Kind kind, Answer &answer)
{
    if (m_answers.empty() || m_answers.front().kind != kind) {
        ++m_unexpected;
        return false;
    }
    answer = m_answers.front();
    m_answers.pop_front();
    // The box stays open while time passes: other windows' events go on.
    if (answer.openMs > 0 && m_clock)
        m_clock->advance(answer.openMs);
    return true;
}

int ScriptedDialogs::MsgBox(const QString &prompt, int buttons, const QString &title)
{
    m_shown.append({Kind::Message, prompt, title, {}, buttons});
    Answer answer;
    return take(Kind::Message, answer) ? answer.result : vbNo;
}

QString ScriptedDialogs::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    m_shown.append({Kind::Input, prompt, title, defaultText, 0});
    Answer answer;
    if (!take(Kind::Input, answer))
        return QString();
    return answer.useDefault ? defaultText : answer.text;
}

void ScriptedDialogs::ErrorBox(const QString &title, const QString &text)
{
    m_shown.append({Kind::Error, text, title, {}, 0});
}

} // namespace platform::testing
