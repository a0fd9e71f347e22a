// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "assets/assets.h"
#include "scores/scorefiles.h"

#include "platform/app.h"
#include "platform/desktop.h"
#include "platform/pictures.h"
#include "platform/translations.h"

namespace front {

Program::Program(platform::App &app, const QString &scoresFolder)
    : app(app)
    , mainMenu(app)
    , rules(app)
    , game(app, scoresFolder)
{
    assets::init();
    app.setIcon(platform::pictures::icon(QString::fromLatin1(assets::icon)));
    app.add(mainMenu);
    app.add(rules);
    app.add(game);
    rules.returnToMenu = [this] { mainMenu.takeControlBack(); };
    game.returnToMenu = [this] { mainMenu.takeControlBack(); };
}

void Program::start()
{
    app.dispatch([this] { mainMenu.Show(); });
}

int run(const char *programName)
{
    return platform::runOnDesktop(programName, [](platform::App &app) {
        // The windows take their texts as they are built: the language first.
        assets::init();
        const QString folder = QString::fromLatin1(assets::translations);
        const platform::Translations language(platform::desktopLanguage(QStringLiteral("quillway"), folder),
                                              QStringLiteral("quillway"), folder);
        Program program(app, scores::defaultFolder());
        program.start();
        return platform::eventLoop();
    });
}

} // namespace front
