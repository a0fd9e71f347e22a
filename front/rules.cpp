// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules.h"

#include "assets/assets.h"
#include "chase.h"

namespace front {

namespace {

platform::FormLayout rulesLayout()
{
    return {.caption = QCoreApplication::translate("front::Rules", "Quillway - Rules"),
            .clientWidth = 4500,
            .clientHeight = 5595,
            .backColor = QColor(192, 192, 192),
            .picture = QString::fromLatin1(assets::sideHog),
            .escapeCloses = true,
            .readOnOpening = true};
}

// The window's default face, MS Sans Serif, is drawn with Liberation Sans,
// which is wider: at 8 pt the third paragraph would need a fifth line that its
// label has no room for. At 7.5 pt (10 px) every paragraph wraps into the
// lines its label was sized for.
constexpr double paragraphFontSize = 7.5;

// Every paragraph wraps within the same column, in the window's default face.
platform::LabelLayout paragraph(const char *name, int top, int height, const QString &text)
{
    platform::LabelLayout layout;
    layout.fontSize = paragraphFontSize;
    layout.name = QString::fromLatin1(name);
    layout.caption = text;
    layout.left = 120;
    layout.top = top;
    layout.width = 4215;
    layout.height = height;
    layout.alignment = Qt::AlignLeft;
    layout.wordWrap = true;
    return layout;
}

} // namespace

Rules::Rules(platform::App &app)
    : Form(app, QString::fromLatin1(windowName), rulesLayout())
    , Label6(this, paragraph("Label6", 0, 135, QString()))
    , Label2(this,
             paragraph("Label2", 600, 855,
                       tr("In Quillway you have to guide the hedgehog, which is first of all located at "
                          "the bottom of the game window, across the road. You have three lives, and "
                          "they go down if you run out of time, or get hit by a vehicle.")))
    , Label3(this,
             paragraph("Label3", 1560, 855,
                       tr("Your score starts at 0 at the start of a new game. It decreases as time runs "
                          "down, but you recieve 1000 points every time you succesfully guide a hedgehog "
                          "across the road.")))
    , Label4(this,
             paragraph("Label4", 2520, 855,
                       tr("The timer is the coloured bar located at the top of the game window. It "
                          "gradually decreases as time goes on. When you sucessfully guide a hedgehog "
                          "across the road, start a new game, or lose a life, the timer returns to it's "
                          "full length.")))
    , Label5(this,
             paragraph("Label5", 3480, 615,
                       tr("Use the arrow keys to guide the hedgehog across the road. If you acheive a "
                          "very high score, you will be asked to enter your name, for entry on the high "
                          "score table.")))
    , Label7(this, paragraph("Label7", 4320, 255, tr("When you get on to higher levels, the time runs out faster.")))
    , Car(this, chaseCarLayout(4700))
    , Hedgehog(this, chaseHedgehogLayout(4700))
    , Timer1(this, QStringLiteral("Timer1"), 10, true, [this] { Timer1_Timer(); })
{
}

void Rules::Timer1_Timer()
{
    chaseTick(Car, Hedgehog);
}

void Rules::Form_Unload(int &Cancel)
{
    // Always closes, without asking: this window holds nothing to lose.
    Q_UNUSED(Cancel)
    Timer1.setEnabled(false);
    returnToMenu();
}

} // namespace front
