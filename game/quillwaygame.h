// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "boxfile.h"
#include "soundcues.h"

#include "platform/form.h"
#include "platform/image.h"
#include "platform/richtextbox.h"
#include "platform/timer.h"
#include "scores/highscoretable.h"
#include "scores/scorefiles.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>

namespace platform {
class App;
}

namespace game {

struct Lane;

// The game window: the road with its four lanes of traffic, the hedgehog and
// the countdown bar, and the state of the round being played in it. Every
// activation of the window starts a new game. Positions, the time left and
// visibility live only in the images; the window keeps no copies of them.
class QuillwayGame final : public platform::Form
{
    Q_DECLARE_TR_FUNCTIONS(game::QuillwayGame)

public:
    // The window's name, which the menu shows it by.
    static constexpr char windowName[] = "QuillwayGame";

    // scoresFolder holds the ten high-score files (scores::defaultFolder() in
    // the game, a scratch folder in tests).
    QuillwayGame(platform::App &app, const QString &scoresFolder);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int KeyCode, int Shift) override;
    // Closing the window mid-game asks first; the score is lost.
    void Form_Unload(int &Cancel) override;

    void Timer1_Timer(); // red cars
    void Timer2_Timer(); // orange cars
    void Timer3_Timer(); // lorries
    void Timer4_Timer(); // blue cars
    void Timer5_Timer(); // countdown bar, score, title and pace
    void Timer6_Timer(); // the death sequence, and the game over it may bring

    // Where the lane's vehicles stand now, in index order.
    std::array<float, 3> leftsOf(const Lane &lane) const;

    // The title in its one format, playing or paused.
    QString gameTitle(bool paused) const;
    // Writes the title, and tells a screen reader the same state, reading
    // out a life lost or a new level.
    void showTitle(bool paused);

    // Round state. It outlives the window: closing and reopening it does not
    // reset these, only the set-up of a new game does.
    qint32 Score = 0;
    int Lives = 0;
    int Level = 0;
    int DeathTicks = 0;
    int Paused = 0; // 0 or 1; a new game leaves it as it is
    QString PlayerName;
    scores::HighScoreTable HighScores;

    // Gives control back to whatever started the game (the main menu, handed
    // in by the program at start), once the window is hidden or closing.
    std::function<void()> returnToMenu;

    // The controls are painted in the order they are declared, later ones in
    // front: the bar over everything, every vehicle over the hedgehog, the
    // hedgehog over its squashed picture.
    platform::Image HogDead;
    platform::Image Hog;
    platform::Image BlueCar1;
    platform::Image BlueCar2;
    platform::Image BlueCar3;
    platform::Image Lorry1;
    platform::Image Lorry2;
    platform::Image Lorry3;
    platform::Image OrangeCar1;
    platform::Image OrangeCar2;
    platform::Image RedCar1;
    platform::Image RedCar2;
    platform::Image RedCar3;
    platform::Image Timer; // the countdown bar; its width is the time left

    platform::Timer Timer1;
    platform::Timer Timer2;
    platform::Timer Timer3;
    platform::Timer Timer4;
    platform::Timer Timer5;
    platform::Timer Timer6; // runs the death sequence; a death only enables it

    // What the game sounds for a player who cannot see it; it only listens.
    SoundCues soundCues;

    // Out of sight below the field: they carry the high-score files.
    platform::RichTextBox Name1;
    platform::RichTextBox Name2;
    platform::RichTextBox Name3;
    platform::RichTextBox Name4;
    platform::RichTextBox Name5;
    platform::RichTextBox Score1;
    platform::RichTextBox Score2;
    platform::RichTextBox Score3;
    platform::RichTextBox Score4;
    platform::RichTextBox Score5;

private:
    // The set-up shared by Form_Load and Form_Activate, up to where the timers
    // would be started.
    void setUpRound();
    void loadHighScores();

    bool dying() const { return Timer6.Enabled(); }
    void cross();
    // A step of the hedgehog by (dLeft, dTop) twips, or the bump of one
    // refused at an edge.
    void move(bool allowed, float dLeft, float dTop);
    void togglePause();
    void startTimers();
    void stopTimers();
    // Puts the hedgehog back on the bottom verge, near its middle.
    void hogToStart();
    // The countdown bar's width when full.
    static constexpr float fullBar = 7245;
    void gameOver();
    // Tells a screen reader of a new game at once: its whole state read out,
    // and the window named for it, while the title itself waits for the
    // countdown's next tick.
    void tellNewGame();
    scores::TableFiles tableFiles();

    // Brings the sound in line with the game: in play or not, and what the
    // lanes sound now.
    void updateSound();

    void laneTick(const Lane &lane);
    // Whether the hedgehog stands in the lane's band and touches one of its
    // vehicles.
    bool hitBy(const Lane &lane) const;

    QString m_scoresFolder;
    // The lives and level a screen reader was last told of.
    int m_livesTold = 0;
    int m_levelTold = 0;
    // The ten boxes above as the table's files.
    std::array<BoxFile, scores::tableSize> m_scoreFiles{BoxFile(Score1), BoxFile(Score2), BoxFile(Score3),
                                                        BoxFile(Score4), BoxFile(Score5)};
    std::array<BoxFile, scores::tableSize> m_nameFiles{BoxFile(Name1), BoxFile(Name2), BoxFile(Name3), BoxFile(Name4),
                                                       BoxFile(Name5)};
};

} // namespace game
