// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QWindow;

namespace platform {

class Clock;
class Dialogs;
class Form;
class Sound;

// Thrown by the exit handler that tests install, so that End unwinds to the
// outermost handler instead of ending the test process.
struct ProgramEnded {
    int status;
};

// The program: its clock, its boxes, its windows by name, and the rules every
// event follows. Every handler runs through dispatch(), which
// - ends the program with an error box and a non-zero status when a run-time
//   error escapes the handler;
// - after the outermost handler returns, ends the program (status 0) when no
//   window is left visible: a hidden but loaded window must not keep an
//   invisible process alive;
// - delivers nothing once End has been called.
// It also decides when a window is activated: it records which window is the
// program's active one, and boxes and other applications never change that.
class App : public QObject
{
    Q_OBJECT
public:
    App(Clock &clock, Dialogs &dialogs);
    ~App() override;

    Clock &clock() const { return m_clock; }
    Dialogs &dialogs() const { return m_dialogs; }

    // Windows register at start so that any window can reach another by name.
    void add(Form &form);
    Form &form(const QString &name) const;

    // The icon every window shows.
    void setIcon(const QIcon &icon) { m_icon = icon; }
    const QIcon &icon() const { return m_icon; }

    // Ends the program at once with status 0: no further handler runs, no
    // Unload handler either, also from inside an open box.
    [[noreturn]] void End();
    bool hasEnded() const { return m_ended; }
    int exitStatus() const { return m_exitStatus; }

    // What ending does to the process. The default leaves at once
    // (std::_Exit); tests install one that throws ProgramEnded.
    void setExitHandler(std::function<void(int status)> handler);

    // Runs one handler under the rules above.
    void dispatch(const std::function<void()> &handler);

    // The sound output, or nullptr where the program has none.
    Sound *sound() const { return m_sound; }
    void setSound(Sound *sound) { m_sound = sound; }

    // Whether a screen reader runs, as the desktop last said (no until it
    // says otherwise).
    bool screenReaderRunning() const { return m_screenReader; }
    void setScreenReaderRunning(bool running);

    // The window recorded as the program's active one, or nullptr.
    Form *activeForm() const { return m_active; }

    // --- used by Form ---
    // A window is being shown: records it as the active one and says whether
    // that is a switch (its Activate is due).
    bool makeActive(Form &form);
    // A window was hidden or unloaded.
    void gone(Form &form);
    // The window system moved the focus to `window` (nullptr: none of ours).
    void focusLanded(QWindow *window);

signals:
    void screenReaderChanged(bool running);

private:
    [[noreturn]] void exit(int status);
    void endIfNothingVisible();

    Clock &m_clock;
    Dialogs &m_dialogs;
    std::vector<Form *> m_forms;
    QIcon m_icon;
    Form *m_active = nullptr;
    Sound *m_sound = nullptr;
    bool m_screenReader = false;
    std::function<void(int)> m_exitHandler;
    int m_depth = 0;
    bool m_ended = false;
    bool m_started = false;
    int m_exitStatus = -1;
};

} // namespace platform
