// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "assets/assets.h"
#include "scores/scorefiles.h"

#include "platform/app.h"
#include "platform/dialogs.h"
#include "platform/realclock.h"

#include <QApplication>
#include <QIcon>

namespace front {

Program::Program(platform::App &app, const QString &scoresFolder)
    : app(app)
    , mainMenu(app)
    , rules(app)
    , game(app, scoresFolder)
{
    assets::init();
    app.setIcon(QIcon(QString::fromLatin1(assets::icon)));
    app.add(mainMenu);
    app.add(rules);
    app.add(game);
}

void Program::start()
{
    app.dispatch([this] { mainMenu.Show(); });
}

int run(char *programName)
{
    // Qt's own options (-style, -platform, ...) are not honoured either: the
    // game takes no command line at all.
    static char fallbackName[] = "quillway";
    int argc = 1;
    char *argv[] = {programName ? programName : fallbackName, nullptr};
    QApplication qtApp(argc, argv);

    platform::RealClock clock;
    platform::QtDialogs dialogs;
    platform::App app(clock, dialogs);
    Program program(app, scores::defaultFolder());
    program.start();
    return qtApp.exec();
}

} // namespace front
