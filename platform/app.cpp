// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "dialogs.h"
#include "form.h"
#include "runtimeerror.h"

#include <QApplication>
#include <QFont>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
// Counts how deep handlers are nested (a box open inside a handler delivers
// further events), so that the end-of-handler rules run only at the outermost.
class Nesting
{
public:
    explicit Nesting(int &depth)
        : m_depth(depth)
    {
        ++m_depth;
    }
    ~Nesting() { --m_depth; }
    Nesting(const Nesting &) = delete;
    Nesting &operator=(const Nesting &) = delete;

private:
    int &m_depth;
};
} // namespace

App::App(Clock &clock, Dialogs &dialogs)
    : m_clock(clock)
    , m_dialogs(dialogs)
    , m_exitHandler([](int status) {
        std::fflush(nullptr);
        std::_Exit(status);
    })
{
    // The windows name the classic sans-serif screen font, which no Linux
    // desktop has; Liberation Sans (Arial's metrics) is the nearest face. It
    // has Latin and Cyrillic but no Japanese or Chinese, which WenQuanYi Micro
    // Hei draws: named here rather than left to fontconfig, whose choice
    // (Noto Sans CJK, where installed) sets taller lines than the labels hold.
    const QString cjk = QStringLiteral("WenQuanYi Micro Hei");
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), cjk});
    if (qApp) {
        // The program decides itself when it ends (see endIfNothingVisible).
        QApplication::setQuitOnLastWindowClosed(false);
        connect(qApp, &QGuiApplication::focusWindowChanged, this, &App::focusLanded);
    }
}

App::~App() = default;

void App::add(Form &form)
{
    m_forms.push_back(&form);
}

Form &App::form(const QString &name) const
{
    for (Form *form : m_forms) {
        if (form->name() == name)
            return *form;
    }
    throw RuntimeError(errors::InvalidPropertyValue, QStringLiteral("No window named %1").arg(name));
}

void App::setExitHandler(std::function<void(int)> handler)
{
    m_exitHandler = std::move(handler);
}

void App::End()
{
    exit(0);
}

void App::exit(int status)
{
    m_ended = true;
    m_exitStatus = status;
    m_exitHandler(status);
    // An exit handler must not return; if one does, leave anyway.
    std::fflush(nullptr);
    std::_Exit(status);
}

void App::dispatch(const std::function<void()> &handler)
{
    if (m_ended)
        return;
    const bool outermost = m_depth == 0;
    try {
        {
            Nesting nesting(m_depth);
            try {
                handler();
            } catch (const RuntimeError &error) {
                m_dialogs.ErrorBox(
                    QStringLiteral("Quillway"),
                    tr("Run-time error '%1':\n\n%2")
                        .arg(error.number())
                        .arg(QCoreApplication::translate("storage::RuntimeError", error.description().toUtf8())));
                exit(1);
            } catch (const std::exception &error) {
                m_dialogs.ErrorBox(QStringLiteral("Quillway"), QString::fromLocal8Bit(error.what()));
                exit(1);
            }
        }
        if (outermost)
            endIfNothingVisible();
    } catch (const ProgramEnded &) {
        if (!outermost)
            throw; // unwind to the outermost handler, past any open box
    }
}

void App::setScreenReaderRunning(bool running)
{
    if (running == m_screenReader)
        return;
    m_screenReader = running;
    emit screenReaderChanged(running);
}

bool App::makeActive(Form &form)
{
    m_started = true;
    if (m_active == &form)
        return false;
    m_active = &form;
    return true;
}

void App::gone(Form &form)
{
    if (m_active == &form)
        m_active = nullptr;
}

void App::focusLanded(QWindow *window)
{
    if (!window || m_ended)
        return; // a box, another application, or no window: nothing changes
    for (Form *form : m_forms) {
        const QWidget *widget = form->widget();
        if (!widget || widget->windowHandle() != window)
            continue;
        if (m_active != form && form->isVisible()) {
            dispatch([this, form] {
                m_active = form;
                form->Form_Activate();
            });
        }
        return;
    }
}

void App::endIfNothingVisible()
{
    if (!m_started || m_ended)
        return;
    for (const Form *form : m_forms) {
        if (form->isVisible())
            return;
    }
    exit(0);
}

} // namespace platform
