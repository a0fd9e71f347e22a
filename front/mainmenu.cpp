// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainmenu.h"

#include "assets/assets.h"
#include "chase.h"
#include "rules.h"

#include "game/quillwaygame.h"

#include "platform/app.h"
#include "platform/dialogs.h"

namespace front {

namespace {

// Translated where they are shown, once the player's language is loaded.
const char *const quitPrompt = QT_TRANSLATE_NOOP("front::MainMenu", "Are you sure you want to quit?");
const char *const quitTitle = QT_TRANSLATE_NOOP("front::MainMenu", "Quit Quillway?");

platform::FormLayout menuLayout()
{
    return {.caption = QCoreApplication::translate("front::MainMenu", "Quillway - Main Menu"),
            .clientWidth = 4620,
            .clientHeight = 4530,
            .backColor = QColor(192, 192, 192),
            .picture = {},
            .keyboardWorksLabels = true};
}

// The menu items span nearly the whole window and centre their text.
platform::LabelLayout item(const char *name, const QString &text, int left, int top, QColor colour)
{
    return {.name = QString::fromLatin1(name),
            .caption = text,
            .left = left,
            .top = top,
            .width = 4335,
            .height = 615,
            .foreColor = colour,
            .fontName = QStringLiteral("MS Sans Serif"),
            .fontSize = 24,
            .alignment = Qt::AlignHCenter,
            .wordWrap = false};
}

platform::LabelLayout titleLayout()
{
    platform::LabelLayout title = item("Label1", QStringLiteral("Quillway"), 120, 240, QColor(255, 0, 0));
    title.height = 735;
    title.fontName = QStringLiteral("Arial");
    title.fontSize = 29.25;
    return title;
}

// The small pictures down both sides of the menu, scaled to their control.
platform::ImageLayout blinker(const char *name, int left, int top, int width, int height, bool visible,
                              const char *picture)
{
    return {.name = QString::fromLatin1(name),
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .visible = visible,
            .stretch = true,
            .picture = QString::fromLatin1(picture)};
}

platform::ImageLayout blinkCar(const char *name, int left, int top)
{
    return blinker(name, left, top, 840, 480, false, assets::sideCar);
}

platform::ImageLayout blinkHog(const char *name, int left, int top, int width = 810)
{
    return blinker(name, left, top, width, 600, true, assets::sideHog);
}

void setVisibleIfDifferent(platform::Image &image, bool visible)
{
    if (image.Visible() != visible)
        image.setVisible(visible);
}

} // namespace

MainMenu::MainMenu(platform::App &app)
    : Form(app, QString::fromLatin1(windowName), menuLayout())
    , Label1(this, titleLayout())
    , NewGame(this, item("NewGame", tr("New Game"), 120, 1800, QColor(255, 0, 255)), [this] { NewGame_Click(); })
    , Help(this, item("Help", tr("Rules"), 240, 2760, QColor(255, 128, 0)), [this] { Help_Click(); })
    , Quit(this, item("Quit", tr("Quit"), 120, 3720, QColor(0, 0, 255)), [this] { Quit_Click(); })
    , Car(this, chaseCarLayout(960))
    , Hedgehog(this, chaseHedgehogLayout(960))
    , Car1(this, blinkCar("Car1", 0, 360))
    , Car2(this, blinkCar("Car2", 120, 2760))
    , Car3(this, blinkCar("Car3", 3600, 1920))
    , Car4(this, blinkCar("Car4", 3720, 3840))
    , Car5(this, blinkCar("Car5", 120, 4680))
    , Hog1(this, blinkHog("Hog1", 3720, 240))
    , Hog2(this, blinkHog("Hog2", 120, 1800))
    , Hog3(this, blinkHog("Hog3", 3720, 2760, 795))
    , Hog4(this, blinkHog("Hog4", 120, 3720))
    , Hog5(this, blinkHog("Hog5", 3720, 4680))
    , Timer1(this, QStringLiteral("Timer1"), 10, true, [this] { Timer1_Timer(); })
    , Timer2(this, QStringLiteral("Timer2"), 500, true, [this] { Timer2_Timer(); })
{
}

void MainMenu::stopAnimations()
{
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
}

void MainMenu::takeControlBack()
{
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    Show();
}

void MainMenu::NewGame_Click()
{
    stopAnimations();
    app().form(QString::fromLatin1(game::QuillwayGame::windowName)).Show();
}

void MainMenu::Help_Click()
{
    stopAnimations();
    app().form(QString::fromLatin1(Rules::windowName)).Show();
}

void MainMenu::Quit_Click()
{
    if (MsgBox(tr(quitPrompt), platform::vbYesNo, tr(quitTitle)) == platform::vbYes)
        app().End();
}

void MainMenu::Form_Unload(int &Cancel)
{
    // Only the menu closes; the layer ends the program once no window is left.
    if (MsgBox(tr(quitPrompt), platform::vbYesNo, tr(quitTitle)) != platform::vbYes)
        Cancel = 1;
}

void MainMenu::Timer1_Timer()
{
    chaseTick(Car, Hedgehog);
}

std::array<platform::Image *, 5> MainMenu::blinkCars()
{
    return {&Car1, &Car2, &Car3, &Car4, &Car5};
}

std::array<platform::Image *, 5> MainMenu::blinkHogs()
{
    return {&Hog1, &Hog2, &Hog3, &Hog4, &Hog5};
}

void MainMenu::Timer2_Timer()
{
    // An unset phase counts as 0: the first tick after start shows the cars.
    const bool hedgehogsTurn = BlinkPhase == 1;
    for (platform::Image *car : blinkCars())
        setVisibleIfDifferent(*car, !hedgehogsTurn);
    for (platform::Image *hog : blinkHogs())
        setVisibleIfDifferent(*hog, hedgehogsTurn);
    BlinkPhase = hedgehogsTurn ? 0 : 1;
}

} // namespace front
