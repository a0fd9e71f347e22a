// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include "app.h"
#include "dialogs.h"
#include "realclock.h"
#include "startup.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
// Qt's message handler is a plain function: it reaches the watch through this.
DisplayWatch *watch = nullptr;

void onQtMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const std::optional<QString> line = watch ? watch->lineFor(type, message) : std::nullopt;
    if (line)
        std::fprintf(stderr, "%s\n", line->toLocal8Bit().constData());
    if (type == QtFatalMsg) {
        std::fflush(nullptr);
        std::_Exit(1); // said in one line: no core dump besides
    }
}
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
    QApplication qtApp(argc, argv);
    displayWatch.started();

    RealClock clock;
    QtDialogs dialogs;
    App app(clock, dialogs);
    const int status = body(app);
    watch = nullptr;
    return status;
}

int eventLoop()
{
    return QApplication::exec();
}

} // namespace platform
