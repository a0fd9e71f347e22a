// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soakdriver.h"

#include "game/lanes.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "scores/scorefiles.h"
#include "storage/rtf.h"

#include <QCoreApplication>
#include <QFile>
#include <cmath>

namespace {

constexpr float fullBar = 7245;
constexpr int deathTicks = 30;
const QStringList typedNames{QStringLiteral("Ann"), QStringLiteral("Zo\u00eb {x}"), QStringLiteral("\u65e5\u672c"),
                             QStringLiteral("a\\b")};

// Reads the ten files back as the game would, or nothing if one is missing.
std::optional<scores::Entries> entriesOnDisk(const QString &folder)
{
    scores::Entries entries;
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        for (const bool isScore : {true, false}) {
            QFile file(isScore ? scores::scoreFilePath(folder, rank) : scores::nameFilePath(folder, rank));
            if (!file.open(QIODevice::ReadOnly))
                return std::nullopt;
            const std::optional<QString> text = storage::rtf::read(file.readAll());
            if (!text)
                return std::nullopt;
            scores::Entry &entry = entries[std::size_t(rank - 1)];
            if (!isScore)
                entry.name = *text;
            else if (const std::optional<scores::Slot> slot = scores::parseScore(*text))
                entry.score = *slot;
            else
                return std::nullopt;
        }
    }
    return entries;
}

// Vehicle i + 1 follows vehicle i one re-entry offset behind, up to whole
// turns of the lane's cycle.
bool spacingKept(const game::QuillwayGame &game, const game::Lane &lane)
{
    const double cycle = double(lane.count) * lane.reentryOffset;
    for (int i = 0; i < lane.count; ++i) {
        const double ahead = (game.*lane.vehicles[std::size_t(i)]).Left();
        const double behind = (game.*lane.vehicles[std::size_t((i + 1) % lane.count)]).Left();
        if (std::fmod(behind - ahead - lane.reentryOffset, cycle) != 0)
            return false;
    }
    return true;
}

// Whether a step up lands where no vehicle is, nor will be for a good while
// (longer than the player waits before the next step): what a careful player
// looks for before moving.
bool clearAbove(const game::QuillwayGame &game)
{
    const float top = game.Hog.Top() - 1080;
    const float left = game.Hog.Left();
    const float right = left + 735;
    constexpr float waitSeconds = 1.5;
    const std::array<std::pair<const game::Lane *, const platform::Timer *>, 4> lanes{
        {{&game::redCars, &game.Timer1},
         {&game::orangeCars, &game.Timer2},
         {&game::lorries, &game.Timer3},
         {&game::blueCars, &game.Timer4}}};
    for (const auto &[lane, timer] : lanes) {
        if (top < lane->bandFirst || top > lane->bandLast)
            continue;
        const float reach = std::abs(lane->step) * 1000 / float(timer->Interval()) * waitSeconds;
        for (int i = 0; i < lane->count; ++i) {
            const float v = (game.*lane->vehicles[std::size_t(i)]).Left();
            const float gap = lane->rightToLeft() ? v - right : left - (v + lane->vehicleLength);
            const bool gone = lane->rightToLeft() ? v + lane->vehicleLength <= left : v >= right;
            if (!gone && gap < reach)
                return false;
        }
    }
    return true;
}

} // namespace

SoakDriver::SoakDriver(quint32 seed)
    : m_random(seed)
{
    // A table of poor scores to begin with, so that games often earn a place
    // and the table keeps changing all day.
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        QFile score(scores::scoreFilePath(m_folder.path(), rank));
        QFile name(scores::nameFilePath(m_folder.path(), rank));
        if (!score.open(QIODevice::WriteOnly) || !name.open(QIODevice::WriteOnly))
            qFatal("cannot write the starting table");
        score.write(storage::rtf::write(scores::scoreText(qint32(-1000 * rank))));
        name.write(storage::rtf::write(QStringLiteral("Seeded %1").arg(rank)));
    }
    m_app.setExitHandler([](int status) { throw platform::ProgramEnded{status}; });
    m_program.start();
}

QString SoakDriver::play(qint64 ms)
{
    const qint64 end = m_clock.now() + ms;
    qint64 nextEvents = m_clock.now();
    while (m_clock.now() < end) {
        const auto shown = windowsShown();
        act();
        if (const QString what = broken(); !what.isEmpty())
            return QStringLiteral("at %1 ms: %2").arg(m_clock.now()).arg(what);
        // Let Qt deliver what the windows posted as the event loop would:
        // at once when a window came or went (the window system's answer to
        // that, the focus, follows in milliseconds), else now and then.
        if (m_windowEvents && (windowsShown() != shown || m_clock.now() >= nextEvents)) {
            QCoreApplication::processEvents();
            nextEvents = m_clock.now() + 10'000;
            if (const QString what = broken(); !what.isEmpty())
                return QStringLiteral("at %1 ms, after the window system's events: %2").arg(m_clock.now()).arg(what);
        }
    }
    return {};
}

std::array<bool, 3> SoakDriver::windowsShown() const
{
    return {m_program.mainMenu.isVisible(), m_program.rules.isVisible(), m_program.game.isVisible()};
}

void SoakDriver::act()
{
    game::QuillwayGame &game = m_program.game;
    const bool inGame = game.isLoaded() && game.isVisible();
    const bool inRules = m_program.rules.isLoaded() && m_program.rules.isVisible();
    if (inRules) {
        if (roll(100) < 2)
            m_program.rules.closeRequested();
        else
            step();
    } else if (!inGame) {
        // On the menu: the chase runs a little while, then New Game, now and
        // then the rules first.
        const int r = roll(1000);
        if (r < 3) {
            m_program.mainMenu.Help.click();
        } else if (r < 40) {
            ++m_counts.newGames;
            m_careful = roll(2) == 0;
            m_program.mainMenu.NewGame.click();
        } else {
            step();
        }
    } else {
        const int r = roll(1000);
        if (r < 120)
            pressKey();
        else if (r < (m_careful ? 121 : 124))
            leaveGame();
        else
            step();
    }
}

void SoakDriver::step()
{
    game::QuillwayGame &game = m_program.game;
    // Game over comes with the last tick of the last life's death sequence:
    // have its boxes' answers ready.
    if (game.isLoaded() && game.Lives == 1 && game.DeathTicks == deathTicks - 1 && game.Timer6.Enabled()
        && m_boxes.pending() == 0)
        answerGameOver();
    ++m_counts.ticks;
    if (!m_clock.step())
        m_clock.advance(250); // a paused game: nothing ticks, time goes by
}

void SoakDriver::pressKey()
{
    // In a careful game the player steps up only into a clear lane, and so
    // scores well enough to reach the high-score table and the top levels;
    // else any key at all.
    game::QuillwayGame &game = m_program.game;
    if (m_careful) {
        if (game.Timer6.Enabled() || !clearAbove(game))
            return step();
        ++m_counts.keys;
        return game.keyPressed(platform::vk::Up, 0);
    }
    ++m_counts.keys;
    const int r = roll(100);
    int key = platform::vk::Up;
    if (r >= 55 && r < 70)
        key = platform::vk::Left;
    else if (r >= 70 && r < 85)
        key = platform::vk::Right;
    else if (r >= 85 && r < 93)
        key = platform::vk::Down;
    else if (r >= 93 && r < 96)
        key = platform::vk::P;
    else if (r >= 96)
        key = 0x30 + roll(0x5b - 0x30); // digits and letters: hit test only
    m_program.game.keyPressed(key, roll(8) == 0 ? 1 : 0);
}

void SoakDriver::leaveGame()
{
    ++m_counts.leaves;
    game::QuillwayGame &game = m_program.game;
    const int answer = roll(2) == 0 ? platform::vbYes : platform::vbNo;
    if (game.Timer6.Enabled() && game.Lives == 1 && roll(2) == 0) {
        // The question stays open for a second: the death sequence ends
        // behind it and the game-over boxes open over it.
        m_boxes.answerMessage(answer, 1000);
        answerGameOver();
    } else {
        m_boxes.answerMessage(answer);
    }
    game.closeRequested();
}

void SoakDriver::answerGameOver()
{
    ++m_counts.gameOvers;
    game::QuillwayGame &game = m_program.game;
    if (game.HighScores.qualifies(game.Score)) {
        ++m_counts.highScores;
        const int r = roll(6);
        if (r < 4)
            m_boxes.answerInput(typedNames[r]);
        else if (r == 4)
            m_boxes.acceptInputDefault();
        else
            m_boxes.answerInput(QString()); // cancelled
    }
    m_boxes.answerMessage(roll(10) < 7 ? platform::vbYes : platform::vbNo);
    m_careful = roll(2) == 0; // for the next game, if there is one
}

QString SoakDriver::broken()
{
    if (m_boxes.unexpected() > 0)
        return QStringLiteral("a box nobody expected: %1").arg(m_boxes.shown().constLast().title);
    game::QuillwayGame &game = m_program.game;
    if (game.isLoaded()) {
        if (game.Lives < 1 || game.Lives > 3)
            return QStringLiteral("Lives %1").arg(game.Lives);
        if (game.Level < 1 || game.Level > 10)
            return QStringLiteral("Level %1").arg(game.Level);
        if (game.Timer.Width() < 0 || game.Timer.Width() > fullBar)
            return QStringLiteral("bar %1").arg(game.Timer.Width());
        const float top = game.Hog.Top();
        const float left = game.Hog.Left();
        if (top < 120 || top > 5520 || std::fmod(5520 - top, 1080) != 0 || left < 60 || left > 6960
            || std::fmod(left - 60, 300) != 0)
            return QStringLiteral("hedgehog at %1, %2").arg(left).arg(top);
        for (const game::Lane *lane : {&game::redCars, &game::orangeCars, &game::lorries, &game::blueCars}) {
            if (!spacingKept(game, *lane))
                return QStringLiteral("a lane's spacing changed");
        }
        // One sequence at a time: the squashed hedgehog only while it runs,
        // never beside the live one. (A new game begun by switching back to
        // the window mid-sequence starts the count again, as it should.)
        const bool dying = game.Timer6.Enabled();
        if (game.DeathTicks < 0 || game.DeathTicks >= deathTicks || (game.DeathTicks > 0 && !dying)
            || (!dying && game.HogDead.Visible()) || game.Hog.Visible() == game.HogDead.Visible())
            return QStringLiteral("death sequence: %1 ticks, timer %2, squashed %3, hedgehog %4")
                .arg(game.DeathTicks)
                .arg(dying)
                .arg(game.HogDead.Visible())
                .arg(game.Hog.Visible());
    }
    for (int rank = 2; rank <= scores::tableSize; ++rank) {
        if (game.HighScores.scoreValue(rank - 1) < game.HighScores.scoreValue(rank))
            return QStringLiteral("table out of order at %1").arg(rank);
    }
    // The table is saved only at game over, behind its boxes.
    if (m_boxes.shown().size() != m_boxesSeen) {
        m_boxesSeen = m_boxes.shown().size();
        return tableMismatch();
    }
    return {};
}

QString SoakDriver::tableMismatch()
{
    const std::optional<scores::Entries> onDisk = entriesOnDisk(m_folder.path());
    if (!onDisk)
        return QStringLiteral("table files missing or unreadable");
    if (*onDisk != m_program.game.HighScores.entries())
        return QStringLiteral("table files differ from the table");
    return {};
}
