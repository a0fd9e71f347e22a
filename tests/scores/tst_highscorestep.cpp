// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/highscorestep.h"

#include "boxeswindow.h"

#include "platform/app.h"
#include "platform/manualclock.h"
#include "platform/rtf.h"
#include "platform/scripteddialogs.h"

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
            texts << (file.open(QIODevice::ReadOnly) ? platform::rtf::read(file.readAll()).value_or(QStringLiteral("(bad)"))
                                                     : QStringLiteral("(none)"));
        }
    }
    return texts;
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
    QTest::addColumn<QString>("typed");      // null: the offered name is accepted
    QTest::addColumn<QStringList>("after");  // the files afterwards

    const QString accept;
    QTest::newRow("2950 enters an empty table at rank 1")
        << QStringList() << 2950 << accept
        << QStringList{"2950", "", "", "", "", "Anonymous", "", "", "", ""};
    QTest::newRow("0 never enters an empty table") << QStringList() << 0 << accept << noFiles;
    QTest::newRow("1000 ties the fifth: no entry") << fullTable << 1000 << accept << fullTable;
    QTest::newRow("3000 goes above the older 3000")
        << fullTable << 3000 << "Zoë"
        << QStringList{"5000", "4000", "3000", "3000", "2000", "Ann", "Bob", "Zoë", "Cy", "Di"};
    QTest::newRow("6000 takes rank 1, the rest move down with their names")
        << fullTable << 6000 << "Max"
        << QStringList{"6000", "5000", "4000", "3000", "2000", "Max", "Ann", "Bob", "Cy", "Di"};
    QTest::newRow("cancelled prompt: entered under an empty name")
        << fullTable << 1001 << ""
        << QStringList{"5000", "4000", "3000", "2000", "1001", "Ann", "Bob", "Cy", "Di", ""};
    const QStringList stored900{"900", "900", "900", "900", "900", "A", "B", "C", "D", "E"};
    QTest::newRow("901 beats a stored 900 as a number")
        << stored900 << 901 << accept
        << QStringList{"901", "900", "900", "900", "900", "Anonymous", "A", "B", "C", "D"};
    QTest::newRow("899 does not") << stored900 << 899 << accept << stored900;
}

void TestHighScoreStep::step()
{
    QFETCH(QStringList, before);
    QFETCH(qint32, score);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);

    QTemporaryDir dir;
    platform::ManualClock clock;
    platform::ScriptedDialogs dialogs(&clock);
    platform::App app(clock, dialogs);
    BoxesWindow window(app);
    for (int i = 0; i < before.size(); ++i) {
        const QString name = i < 5 ? QStringLiteral("score%1.dat").arg(i + 1) : QStringLiteral("name%1.dat").arg(i - 4);
        QFile file(QDir(dir.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(platform::rtf::write(before.at(i)));
    }
    scores::HighScoreTable table;
    QCOMPARE(scores::loadTable(table, window.boxes, dir.path()), !before.isEmpty());

    QString playerName = QStringLiteral("Anonymous");
    if (typed.isNull())
        dialogs.acceptInputDefault();
    else
        dialogs.answerInput(typed);
    const bool enters = after != before && after != noFiles;
    QCOMPARE(scores::enterHighScore({table, playerName, dialogs, window.boxes, dir.path()}, score), enters);

    QCOMPARE(readFiles(dir.path()), after);
    QCOMPARE(dialogs.shown().size(), enters ? 1 : 0);
    if (enters) {
        const platform::ScriptedDialogs::Box &box = dialogs.shown().constFirst();
        QCOMPARE(box.kind, platform::ScriptedDialogs::Kind::Input);
        QCOMPARE(box.prompt, QStringLiteral("Please enter your name for entry on the high score table."));
        QCOMPARE(box.title, QStringLiteral("You have acheived a high score"));
        QCOMPARE(box.defaultText, QStringLiteral("Anonymous"));
        QCOMPARE(playerName, typed.isNull() ? QStringLiteral("Anonymous") : typed);
    }
    // What is in memory is what the files hold.
    scores::HighScoreTable reread;
    if (enters) {
        QVERIFY(scores::loadTable(reread, window.boxes, dir.path()));
        QCOMPARE(reread.entries(), table.entries());
    }
}

QTEST_MAIN(TestHighScoreStep)
#include "tst_highscorestep.moc"
