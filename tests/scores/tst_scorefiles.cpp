// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablefolder.h"

#include "scores/scorefiles.h"

#include "storage/rtf.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using scores::Slot;

// Loading the high-score table from its ten files: all or nothing.
class TestScoreFiles : public QObject
{
    Q_OBJECT

private slots:
    void loadsWholeTable();
    void unusualValuesLoad();
    void failedLoadKeepsTable_data();
    void failedLoadKeepsTable();
    void everyFileLoadedBeforeAnyRead_data();
    void everyFileLoadedBeforeAnyRead();
    void readsOtherWritersDocuments();
    void defaultFolderIsUnderUserData();
    void savedTableLoadsBack();
};

void TestScoreFiles::loadsWholeTable()
{
    QTemporaryDir dir;
    writeTable(dir.path(), firstScores, firstNames);
    Rig rig;
    scores::HighScoreTable table;

    QVERIFY(scores::loadTable(table, rig.files.files(), dir.path()));
    QCOMPARE(table.entries(), firstEntries());
}

void TestScoreFiles::unusualValuesLoad()
{
    QTemporaryDir dir;
    // Loading takes the files as they stand, out of order included.
    writeTable(dir.path(), {"-2147483648", "", "2147483647", "-0", "0"},
               {"", QStringLiteral("Zoë Ω"), "two words", "", "x"});
    Rig rig;
    scores::HighScoreTable table;

    QVERIFY(scores::loadTable(table, rig.files.files(), dir.path()));
    QCOMPARE(table.entry(1).score, Slot(-2147483647 - 1));
    QCOMPARE(table.entry(2).score, Slot());
    QCOMPARE(table.entry(3).score, Slot(2147483647));
    QCOMPARE(table.entry(4).score, Slot(0));
    QCOMPARE(table.entry(5).score, Slot(0));
    QCOMPARE(table.entry(1).name, QString());
    QCOMPARE(table.entry(2).name, QStringLiteral("Zoë Ω"));
    QCOMPARE(table.entry(3).name, QStringLiteral("two words"));
}

void TestScoreFiles::failedLoadKeepsTable_data()
{
    QTest::addColumn<QString>("fileName");    // empty: the whole folder is gone
    QTest::addColumn<QByteArray>("contents"); // empty: the file is removed; "<fifo>", "<device>": such a node

    QTest::newRow("no folder") << QString() << QByteArray();
    // Neither waits for a writer nor reads without end: a hang is the test's time-out.
    QTest::newRow("score2.dat a FIFO nobody writes to") << "score2.dat" << QByteArray("<fifo>");
    QTest::newRow("name4.dat a link to an endless device") << "name4.dat" << QByteArray("<device>");
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        QTest::addRow("score%d.dat missing", rank) << QStringLiteral("score%1.dat").arg(rank) << QByteArray();
        QTest::addRow("name%d.dat missing", rank) << QStringLiteral("name%1.dat").arg(rank) << QByteArray();
    }
    QTest::newRow("score with letters") << "score3.dat" << storage::rtf::write("12a");
    QTest::newRow("score with a space") << "score1.dat" << storage::rtf::write(" 12");
    QTest::newRow("score with a plus sign") << "score5.dat" << storage::rtf::write("+12");
    QTest::newRow("score of a lone minus") << "score2.dat" << storage::rtf::write("-");
    QTest::newRow("score above 32 bits") << "score4.dat" << storage::rtf::write("2147483648");
    QTest::newRow("score below 32 bits") << "score5.dat" << storage::rtf::write("-2147483649");
    QTest::newRow("score of two lines") << "score1.dat" << storage::rtf::write("12\n13");
    QTest::newRow("score file in plain text") << "score2.dat" << QByteArray("1200");
    QTest::newRow("name file in plain text") << "name4.dat" << QByteArray("Di");
    QTest::newRow("empty name file") << "name1.dat" << QByteArray("");
}

void TestScoreFiles::failedLoadKeepsTable()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, contents);

    QTemporaryDir dir;
    writeTable(dir.path(), firstScores, firstNames);
    Rig rig;
    scores::HighScoreTable table;
    QVERIFY(scores::loadTable(table, rig.files.files(), dir.path()));

    // Every other file holds a different, good table.
    writeTable(dir.path(), {"900", "800", "700", "600", "500"}, {"V", "W", "X", "Y", "Z"});
    QString folder = dir.path();
    if (fileName.isEmpty())
        folder = filePath(dir.path(), QStringLiteral("nowhere"));
    else if (contents.isNull() || contents.startsWith('<'))
        QVERIFY(QFile::remove(filePath(folder, fileName)));
    else
        writeFile(filePath(folder, fileName), contents);
    const QByteArray node = QFile::encodeName(filePath(folder, fileName));
    if (contents == "<fifo>")
        QCOMPARE(::mkfifo(node.constData(), 0644), 0);
    if (contents == "<device>")
        QCOMPARE(::symlink("/dev/zero", node.constData()), 0);

    QVERIFY(!scores::loadTable(table, rig.files.files(), folder));
    QCOMPARE(table.entries(), firstEntries());
}

void TestScoreFiles::everyFileLoadedBeforeAnyRead_data()
{
    QTest::addColumn<int>("missingFile"); // 0 to 4 the score files, 5 to 9 the name files
    QTest::addColumn<int>("boxesLoaded");

    // The score files are loaded first, then the name files; loading stops at
    // the first that is missing, and the boxes loaded before it keep what
    // they got.
    QTest::newRow("score1.dat missing") << 0 << 0;
    QTest::newRow("score3.dat missing") << 2 << 2;
    QTest::newRow("name1.dat missing") << 5 << 5;
    QTest::newRow("name5.dat missing") << 9 << 9;
}

void TestScoreFiles::everyFileLoadedBeforeAnyRead()
{
    QFETCH(int, missingFile);
    QFETCH(int, boxesLoaded);

    QTemporaryDir dir;
    writeTable(dir.path(), firstScores, firstNames);
    const int rank = missingFile % 5 + 1;
    QVERIFY(QFile::remove(missingFile < 5 ? scores::scoreFilePath(dir.path(), rank)
                                          : scores::nameFilePath(dir.path(), rank)));
    Rig rig;
    std::vector<scores::TableFile *> inLoadOrder(rig.files.files().scores.begin(), rig.files.files().scores.end());
    inLoadOrder.insert(inLoadOrder.end(), rig.files.files().names.begin(), rig.files.files().names.end());
    for (scores::TableFile *box : inLoadOrder)
        box->setText(QStringLiteral("untouched"));
    scores::HighScoreTable table;

    QVERIFY(!scores::loadTable(table, rig.files.files(), dir.path()));

    const QStringList fileTexts = firstScores + firstNames;
    for (int i = 0; i < 10; ++i) {
        const QString want = i < boxesLoaded ? fileTexts.at(i) : QStringLiteral("untouched");
        QCOMPARE(inLoadOrder[std::size_t(i)]->text(), want);
    }
    QCOMPARE(table.entries(), scores::Entries());
}

void TestScoreFiles::readsOtherWritersDocuments()
{
    QTemporaryDir dir;
    writeTable(dir.path(), firstScores, firstNames);
    // As a word processor saves a one-line document: a font table, a
    // generator group, paragraph formatting, a code-page escape and a
    // closing paragraph mark.
    const QByteArray wordPadScore = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang2057"
                                    "{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
                                    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                                    "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 2950\\par\r\n"
                                    "}\r\n";
    const QByteArray wordPadName = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang2057"
                                   "{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
                                   "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                                   "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Zo\\'eb\\par\r\n"
                                   "}\r\n";
    writeFile(scores::scoreFilePath(dir.path(), 1), wordPadScore);
    writeFile(scores::nameFilePath(dir.path(), 1), wordPadName);
    Rig rig;
    scores::HighScoreTable table;

    QVERIFY(scores::loadTable(table, rig.files.files(), dir.path()));
    QCOMPARE(table.entry(1).score, Slot(2950));
    QCOMPARE(table.entry(1).name, QStringLiteral("Zoë"));
    QCOMPARE(table.entry(2).score, Slot(4000));
}

void TestScoreFiles::defaultFolderIsUnderUserData()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString folder = scores::defaultFolder();
    QVERIFY(folder.endsWith(QStringLiteral("/quillway/data")));
    QVERIFY(folder.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
    QCOMPARE(scores::scoreFilePath(folder, 3), folder + QStringLiteral("/score3.dat"));
    QCOMPARE(scores::nameFilePath(folder, 5), folder + QStringLiteral("/name5.dat"));
}

void TestScoreFiles::savedTableLoadsBack()
{
    QTemporaryDir dir;
    Rig rig;
    scores::HighScoreTable table;
    table.insert(1, 2950, QStringLiteral("Anonymous"));

    QVERIFY(scores::saveTable(table, rig.files.files(), dir.path()));

    Rig other;
    scores::HighScoreTable loaded;
    QVERIFY(scores::loadTable(loaded, other.files.files(), dir.path()));
    QCOMPARE(loaded.entries(), table.entries());
    QCOMPARE(loaded.entry(2).score, Slot());
}

QTEST_MAIN(TestScoreFiles)
#include "tst_scorefiles.moc"
