// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include "app.h"
#include "dialogs.h"
#include "realclock.h"

#include <QApplication>

namespace platform {

int runOnDesktop(const char *programName, const std::function<int(App &)> &body)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static char fallbackName[] = "quillway";
    int argc = 1;
    char *argv[] = {programName ? const_cast<char *>(programName) : fallbackName, nullptr};
    // Wayland compositors match windows to the desktop file by this name
    // (the app id), for the icon and the entry in the dock; without it Qt
    // names the executable.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillway.Quillway"));
    QApplication qtApp(argc, argv);

    RealClock clock;
    QtDialogs dialogs;
    App app(clock, dialogs);
    return body(app);
}

int eventLoop()
{
    return QApplication::exec();
}

} // namespace platform
