// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include "app.h"
#include "dialogs.h"
#include "gamepads.h"
#include "realclock.h"
#include "screenreader.h"
#include "sound.h"
#include "startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace platform {

namespace {
// Qt's message handler is a plain function: it reaches the watch through this.
DisplayWatch *watch = nullptr;
std::mutex ending;

void onQtMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const std::optional<QString> line = watch ? watch->lineFor(type, message) : std::nullopt;
    if (!line && type != QtFatalMsg)
        return;
    // Ended here as the program ends itself, at once: no core dump after a
    // fatal message, no clean-up run against a display that is gone. Qt's
    // Wayland platform can find the compositor gone on two threads at once:
    // the first says its line and ends the program, the other waits here.
    ending.lock();
    if (line)
        std::fprintf(stderr, "%s\n", line->toLocal8Bit().constData());
    std::fflush(nullptr);
    std::_Exit(1);
}

// Runs `start` once, after the first window of the program has been drawn:
// what is not needed to show the menu waits until it is there.
class AfterFirstExpose final : public QObject
{
public:
    explicit AfterFirstExpose(std::function<void()> start)
        : m_start(std::move(start))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && object->isWindowType() && m_start) {
            qApp->removeEventFilter(this);
            // After this event, once the picture has gone to the screen.
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> start = std::move(m_start);
                m_start = nullptr;
                start();
            });
        }
        return false;
    }

private:
    std::function<void()> m_start;
};
} // namespace

int runOnDesktop(const char *programName, const std::function<int(App &)> &body)
{
    static char fallbackName[] = "quillway";
    int argc = 1;
    char *argv[] = {programName ? const_cast<char *>(programName) : fallbackName, nullptr};
    DisplayWatch displayWatch(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    watch = &displayWatch;
    qInstallMessageHandler(onQtMessage);
    const QByteArray platform = platformFor(Session::fromEnvironment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    // Wayland compositors match windows to the desktop file by this name
    // (the app id), for the icon and the entry in the dock; without it Qt
    // names the executable.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillway.Quillway"));
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray busAddress = busAddressFor(qgetenv("DBUS_SESSION_BUS_ADDRESS"),
                                                !runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + "/bus"));
    if (!busAddress.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress);
    QApplication qtApp(argc, argv);
    displayWatch.started();

    RealClock clock;
    QtDialogs dialogs;
    App app(clock, dialogs);
    SdlSound sound; // opens nothing until the game starts it
    app.setSound(&sound);
    // The controllers and the screen reader's state are not needed to show
    // the menu: they start once it is there.
    std::optional<Gamepads> pads;
    std::optional<ScreenReaderWatch> screenReader;
    const AfterFirstExpose later([&] {
        pads.emplace(clock);
        screenReader.emplace([&app](bool running) { app.setScreenReaderRunning(running); });
    });
    const int status = body(app);
    watch = nullptr;
    return status;
}

int eventLoop()
{
    return QApplication::exec();
}

} // namespace platform
