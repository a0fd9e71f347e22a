// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/highscorestep.h"

#include "platform/testing/manualclock.h"
#include "platform/testing/scripteddialogs.h"
#include "storage/rtf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The plain texts of the five score files and then the five name files; an
// absent file reads as "(none)".
QStringList readFiles(const QString &folder)
{
    QStringList texts;
    for (const char *kind : {"score", "name"}) {
        for (int rank = 1; rank <= scores::tableSize; ++rank) {
            QFile file(QDir(folder).filePath(QStringLiteral("%1%2.dat").arg(QLatin1String(kind)).arg(rank)));
            texts << (file.open(QIODevice::ReadOnly)
                          ? storage::rtf::read(file.readAll()).value_or(QStringLiteral("(bad)"))
                          : QStringLiteral("(none)"));
        }
    }
    return texts;
}

void writeFiles(const QString &folder, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i) {
        const QString name = i < 5 ? QStringLiteral("score%1.dat").arg(i + 1) : QStringLiteral("name%1.dat").arg(i - 4);
        QFile file(QDir(folder).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(storage::rtf::write(texts.at(i)));
    }
}

// The table in memory, written as readFiles reads the files.
QStringList texts(const scores::HighScoreTable &table)
{
    QStringList scoreTexts, names;
    for (const scores::Entry &entry : table.entries()) {
        scoreTexts << scores::scoreText(entry.score);
        names << entry.name;
    }
    return scoreTexts + names;
}

const QStringList fullTable{"5000", "4000", "3000", "2000", "1000", "Ann", "Bob", "Cy", "Di", "Ed"};
const QStringList noFiles(10, QStringLiteral("(none)"));

} // namespace

// The high-score step at game over: whether the name is asked, where the
// entry goes, and what the ten files hold afterwards.
class TestHighScoreStep : public QObject
{
    Q_OBJECT

private slots:
    void step_data();
    void step();
};

void TestHighScoreStep::step_data()
{
    QTest::addColumn<QStringList>("before"); // the files at game over; empty: none
    QTest::addColumn<qint32>("score");
    QTest::addColumn<QString>("typed");       // null: the offered name is accepted
    QTest::addColumn<QStringList>("after");   // the files afterwards
    QTest::addColumn<QList<qint32>>("later"); // the scores of the games after "Play again"
    QTest::addColumn<int>("failing");         // how many saves, from the first, cannot write
    QTest::addColumn<QStringList>("between"); // what another copy saves before the second game
    QTest::addColumn<QStringList>("shown");   // the table in memory at the end; empty: the files'
    QTest::addColumn<int>("asked");           // name boxes; -1: one if the score entered

    const auto row = [](const char *name, const QStringList &before, qint32 score, const QString &typed,
                        const QStringList &after, const QList<qint32> &later = {}, int failing = 0,
                        const QStringList &between = {}, const QStringList &shown = {}, int asked = -1) {
        QTest::newRow(name) << before << score << typed << after << later << failing << between << shown << asked;
    };
    const QString accept;
    row("2950 enters an empty table at rank 1", {}, 2950, accept,
        {"2950", "", "", "", "", "Anonymous", "", "", "", ""});
    row("0 never enters an empty table", {}, 0, accept, noFiles);
    row("1000 ties the fifth: no entry", fullTable, 1000, accept, fullTable);
    row("3000 goes above the older 3000", fullTable, 3000, "Zoë",
        {"5000", "4000", "3000", "3000", "2000", "Ann", "Bob", "Zoë", "Cy", "Di"});
    row("6000 takes rank 1, the rest move down with their names", fullTable, 6000, "Max",
        {"6000", "5000", "4000", "3000", "2000", "Max", "Ann", "Bob", "Cy", "Di"});
    row("cancelled prompt: entered under an empty name", fullTable, 1001, "",
        {"5000", "4000", "3000", "2000", "1001", "Ann", "Bob", "Cy", "Di", ""});
    const QStringList stored900{"900", "900", "900", "900", "900", "A", "B", "C", "D", "E"};
    row("901 beats a stored 900 as a number", stored900, 901, accept,
        {"901", "900", "900", "900", "900", "Anonymous", "A", "B", "C", "D"});
    row("899 does not", stored900, 899, accept, stored900);

    // The files' fifth entry is 1000, the table's 2000 once 3500 is in it.
    const QStringList with3500{"5000", "4000", "3500", "3000", "2000", "Ann", "Bob", "Anonymous", "Cy", "Di"};
    row("save failed, Play again, 1500: no name box, 3500 still shown", fullTable, 3500, accept, fullTable, {1500}, 1,
        {}, with3500, 1);
    row("two saves failed in a row: both entries kept", fullTable, 3500, accept, fullTable, {4500}, 2, {},
        {"5000", "4500", "4000", "3500", "3000", "Ann", "Anonymous", "Bob", "Anonymous", "Cy"}, 2);
    row("save failed, another copy saved 6000: the next save keeps both", fullTable, 3500, accept,
        {"6000", "5000", "4000", "3500", "3200", "Eve", "Ann", "Bob", "Anonymous", "Anonymous"}, {3200}, 1,
        {"6000", "5000", "4000", "3000", "2000", "Eve", "Ann", "Bob", "Cy", "Di"}, {}, 2);
    // Equal scores stand newest first, whichever copy made them.
    const QStringList eveSaved3000{"5000", "4000", "3000", "3000", "2000", "Ann", "Bob", "Eve", "Cy", "Di"};
    row("save failed, another copy saved an equal 3000 since: below it, above the older", fullTable, 3000, accept,
        eveSaved3000, {1500}, 1, eveSaved3000,
        {"5000", "4000", "3000", "3000", "3000", "Ann", "Bob", "Eve", "Anonymous", "Cy"}, 1);
}

void TestHighScoreStep::step()
{
    QFETCH(QStringList, before);
    QFETCH(qint32, score);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    QFETCH(QList<qint32>, later);
    QFETCH(int, failing);
    QFETCH(QStringList, between);
    QFETCH(QStringList, shown);
    QFETCH(int, asked);

    QTemporaryDir dir;
    platform::testing::ManualClock clock;
    platform::testing::ScriptedDialogs dialogs(&clock);
    scores::PlainTableFiles files;
    writeFiles(dir.path(), before);
    scores::HighScoreTable table;
    QCOMPARE(scores::loadTable(table, files.files(), dir.path()), !before.isEmpty());

    QString playerName = QStringLiteral("Anonymous");
    const auto askName = [&dialogs](const QString &prompt, const QString &title, const QString &offered) {
        return dialogs.InputBox(prompt, title, offered);
    };
    int saves = 0;
    // A file that cannot be written, for the first `failing` saves.
    const storage::WriteFault fault = [&](storage::SaveStep step, const QString &path) {
        return step == storage::SaveStep::Write && path.endsWith(QStringLiteral("name5.dat")) && saves < failing;
    };
    const bool enters = after != before && after != noFiles;
    for (int game = 0; game <= later.size(); ++game) {
        if (typed.isNull())
            dialogs.acceptInputDefault();
        else
            dialogs.answerInput(typed);
        if (game == 1)
            writeFiles(dir.path(), between);
        const qint32 final = game == 0 ? score : later.at(game - 1);
        // "Play again" reads nothing: the step goes on with the same table.
        const bool entered
            = scores::enterHighScore({table, playerName, askName, files.files(), dir.path(), fault}, final);
        if (game == 0)
            QCOMPARE(entered, enters || failing > 0);
        saves += entered;
    }

    QCOMPARE(readFiles(dir.path()), after);
    QCOMPARE(dialogs.shown().size(), asked < 0 ? int(enters) : asked);
    if (enters) {
        const platform::testing::ScriptedDialogs::Box &box = dialogs.shown().constFirst();
        QCOMPARE(box.kind, platform::testing::ScriptedDialogs::Kind::Input);
        QCOMPARE(box.prompt, QStringLiteral("Please enter your name for entry on the high score table."));
        QCOMPARE(box.title, QStringLiteral("You have acheived a high score"));
        QCOMPARE(box.defaultText, QStringLiteral("Anonymous"));
        QCOMPARE(playerName, typed.isNull() ? QStringLiteral("Anonymous") : typed);
    }
    // What is in memory is what the files hold, or what could not be saved.
    if (enters || !shown.isEmpty())
        QCOMPARE(texts(table), shown.isEmpty() ? after : shown);
}

QTEST_MAIN(TestHighScoreStep)
#include "tst_highscorestep.moc"
