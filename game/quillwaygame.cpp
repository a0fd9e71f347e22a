// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quillwaygame.h"

#include "assets/assets.h"

#include <QColor>

namespace game {

namespace {

using platform::ImageLayout;

constexpr bool shown = true;
constexpr bool hidden = false;
constexpr bool stretched = true;
constexpr bool unstretched = false;
constexpr bool enabled = true;
constexpr bool disabled = false;

constexpr int carLength = 1815;
constexpr int lorryLength = 2790;
constexpr int vehicleHeight = 780;

// The high-score boxes lie below the client area, which ends at 6495.
constexpr int boxWidth = 1695;
constexpr int boxHeight = 255;
constexpr int nameBoxLeft = 240;
constexpr int scoreBoxLeft = 2160;
constexpr int boxRowTop(int rank)
{
    return 6720 + 360 * (rank - 1);
}

platform::FormLayout windowLayout()
{
    platform::FormLayout layout;
    layout.caption = QCoreApplication::translate("game::QuillwayGame", "Quillway - Game");
    layout.clientWidth = 7665;
    layout.clientHeight = 6495;
    layout.backColor = QColor(128, 128, 128);
    return layout;
}

ImageLayout vehicle(const char *name, int left, int top, int length, const char *picture)
{
    return {QString::fromLatin1(name),   left, top, length, vehicleHeight, shown, stretched,
            QString::fromLatin1(picture)};
}

} // namespace

QuillwayGame::QuillwayGame(platform::App &app, const QString &scoresFolder)
    : Form(app, QString::fromLatin1(windowName), windowLayout())
    , HogDead(this,
              {QStringLiteral("HogDead"), 0, 5280, 1095, 1260, hidden, stretched, QString::fromLatin1(assets::hogDead)})
    , Hog(this, {QStringLiteral("Hog"), 3360, 5520, 735, 900, shown, stretched, QString::fromLatin1(assets::hog)})
    , BlueCar1(this, vehicle("BlueCar1", 3720, 1200, carLength, assets::blueCar))
    , BlueCar2(this, vehicle("BlueCar2", 0, 1200, carLength, assets::blueCar))
    , BlueCar3(this, vehicle("BlueCar3", -3720, 1200, carLength, assets::blueCar))
    , Lorry1(this, vehicle("Lorry1", 480, 2280, lorryLength, assets::lorry))
    , Lorry2(this, vehicle("Lorry2", 4800, 2280, lorryLength, assets::lorry))
    , Lorry3(this, vehicle("Lorry3", 9120, 2280, lorryLength, assets::lorry))
    , OrangeCar1(this, vehicle("OrangeCar1", 5280, 3360, carLength, assets::orangeCar))
    , OrangeCar2(this, vehicle("OrangeCar2", 0, 3360, carLength, assets::orangeCar))
    , RedCar1(this, vehicle("RedCar1", 1095, 4440, carLength, assets::redCar))
    , RedCar2(this, vehicle("RedCar2", 5595, 4440, carLength, assets::redCar))
    , RedCar3(this, vehicle("RedCar3", 10095, 4440, carLength, assets::redCar))
    // Unstretched, so that narrowing it cuts the coloured bands from the right.
    , Timer(this, {QStringLiteral("Timer"), 240, 120, 7245, 180, shown, unstretched, QString::fromLatin1(assets::bar)})
    , Timer1(this, QStringLiteral("Timer1"), 400, enabled, [this] { Timer1_Timer(); })
    , Timer2(this, QStringLiteral("Timer2"), 150, enabled, [this] { Timer2_Timer(); })
    , Timer3(this, QStringLiteral("Timer3"), 500, enabled, [this] { Timer3_Timer(); })
    , Timer4(this, QStringLiteral("Timer4"), 300, enabled, [this] { Timer4_Timer(); })
    , Timer5(this, QStringLiteral("Timer5"), 300, enabled, [this] { Timer5_Timer(); })
    , Timer6(this, QStringLiteral("Timer6"), 1, disabled, [this] { Timer6_Timer(); })
    , soundCues(app, [this](const QString &news) { announce(news); })
    , Name1(this, QStringLiteral("Name1"), nameBoxLeft, boxRowTop(1), boxWidth, boxHeight)
    , Name2(this, QStringLiteral("Name2"), nameBoxLeft, boxRowTop(2), boxWidth, boxHeight)
    , Name3(this, QStringLiteral("Name3"), nameBoxLeft, boxRowTop(3), boxWidth, boxHeight)
    , Name4(this, QStringLiteral("Name4"), nameBoxLeft, boxRowTop(4), boxWidth, boxHeight)
    , Name5(this, QStringLiteral("Name5"), nameBoxLeft, boxRowTop(5), boxWidth, boxHeight)
    , Score1(this, QStringLiteral("Score1"), scoreBoxLeft, boxRowTop(1), boxWidth, boxHeight)
    , Score2(this, QStringLiteral("Score2"), scoreBoxLeft, boxRowTop(2), boxWidth, boxHeight)
    , Score3(this, QStringLiteral("Score3"), scoreBoxLeft, boxRowTop(3), boxWidth, boxHeight)
    , Score4(this, QStringLiteral("Score4"), scoreBoxLeft, boxRowTop(4), boxWidth, boxHeight)
    , Score5(this, QStringLiteral("Score5"), scoreBoxLeft, boxRowTop(5), boxWidth, boxHeight)
    , m_scoresFolder(scoresFolder)
{
    assets::init();
}

QString QuillwayGame::gameTitle(bool paused) const
{
    QString title = tr("Quillway - Game - Score: %1 - Lives: %2 - Level: %3").arg(Score).arg(Lives).arg(Level);
    if (paused)
        title += tr(" - Paused");
    return title;
}

void QuillwayGame::showTitle(bool paused)
{
    setCaption(gameTitle(paused));
    // The score changes at every tick: it is there to be read, not read out.
    setStatus({tr("Score: %1").arg(Score), tr("Lives: %1").arg(Lives), tr("Level: %1").arg(Level),
               paused ? tr("Paused") : QString()});
    QStringList news;
    if (Lives != m_livesTold)
        news << tr("Lives: %1").arg(Lives);
    if (Level != m_levelTold)
        news << tr("Level: %1").arg(Level);
    m_livesTold = Lives;
    m_levelTold = Level;
    if (!news.isEmpty())
        announce(news.join(QStringLiteral(" - ")));
}

void QuillwayGame::Form_Load()
{
    // At the first showing the timers already run from the layout, and
    // Form_Activate follows at once; so the load only sets up the round.
    setUpRound();
}

void QuillwayGame::Form_Activate()
{
    setUpRound();
    startTimers();
    tellNewGame();
    updateSound();
}

void QuillwayGame::updateSound()
{
    soundCues.setInPlay(isVisible() && Paused == 0);
    if (!soundCues.sounding())
        return; // the field is not even looked at
    if (dying())
        soundCues.silenceLanes();
    else
        soundCues.lanes(cuesFor(fieldOf(*this)));
}

void QuillwayGame::tellNewGame()
{
    setSpokenCaption(gameTitle(false));
    m_livesTold = Lives;
    m_levelTold = Level;
    announce(tr("Score: %1 - Lives: %2 - Level: %3").arg(Score).arg(Lives).arg(Level));
}

void QuillwayGame::setUpRound()
{
    loadHighScores();
    PlayerName = tr("Anonymous");
    DeathTicks = 0;
    Level = 1;
    Lives = 3;
    Timer.setWidth(fullBar);
    hogToStart();
    Score = 0;
}

void QuillwayGame::loadHighScores()
{
    // A missing or damaged file is expected (no game saved a table yet) and
    // is not the player's concern: the previous table simply stays.
    scores::loadTable(HighScores, tableFiles(), m_scoresFolder);
}

scores::TableFiles QuillwayGame::tableFiles()
{
    scores::TableFiles files;
    for (std::size_t k = 0; k < files.scores.size(); ++k) {
        files.scores[k] = &m_scoreFiles[k];
        files.names[k] = &m_nameFiles[k];
    }
    return files;
}

void QuillwayGame::startTimers()
{
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    Timer3.setEnabled(true);
    Timer4.setEnabled(true);
    Timer5.setEnabled(true);
}

void QuillwayGame::hogToStart()
{
    Hog.setLeft(3360);
    Hog.setTop(5520);
}

void QuillwayGame::stopTimers()
{
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    Timer5.setEnabled(false);
}

} // namespace game
