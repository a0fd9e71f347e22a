// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/scorefiles.h"

#include "boxeswindow.h"

#include "platform/app.h"
#include "platform/manualclock.h"
#include "platform/rtf.h"
#include "platform/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using scores::Slot;

namespace {

struct Rig {
    platform::ManualClock clock;
    platform::ScriptedDialogs dialogs{&clock};
    platform::App app{clock, dialogs};
    BoxesWindow window{app};
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QStringList firstScores{"5000", "4000", "3000", "2000", "1000"};
const QStringList firstNames{"Ann", "Bob", "Cy", "Di", "Ed"};

void writeTable(const QString &folder, const QStringList &scoreTexts, const QStringList &names)
{
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        writeFile(scores::scoreFilePath(folder, rank), platform::rtf::write(scoreTexts.at(rank - 1)));
        writeFile(scores::nameFilePath(folder, rank), platform::rtf::write(names.at(rank - 1)));
    }
}

scores::Entries firstEntries()
{
    scores::Entries entries;
    for (int k = 0; k < scores::tableSize; ++k)
        entries[std::size_t(k)] = {firstScores.at(k).toInt(), firstNames.at(k)};
    return entries;
}

// A file in the folder, by its name ("score3.dat").
QString filePath(const QString &folder, const QString &fileName)
{
    return QDir(folder).filePath(fileName);
}

} // namespace

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
    void failedSaveKeepsEveryOldFile_data();
    void failedSaveKeepsEveryOldFile();
};

void TestScoreFiles::loadsWholeTable()
{
    QTemporaryDir dir;
    writeTable(dir.path(), firstScores, firstNames);
    Rig rig;
    scores::HighScoreTable table;

    QVERIFY(scores::loadTable(table, rig.window.boxes, dir.path()));
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

    QVERIFY(scores::loadTable(table, rig.window.boxes, dir.path()));
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
    QTest::addColumn<QString>("fileName"); // empty: the whole folder is gone
    QTest::addColumn<QByteArray>("contents"); // empty: the file is removed

    QTest::newRow("no folder") << QString() << QByteArray();
    for (int rank = 1; rank <= scores::tableSize; ++rank) {
        QTest::addRow("score%d.dat missing", rank) << QStringLiteral("score%1.dat").arg(rank) << QByteArray();
        QTest::addRow("name%d.dat missing", rank) << QStringLiteral("name%1.dat").arg(rank) << QByteArray();
    }
    QTest::newRow("score with letters") << "score3.dat" << platform::rtf::write("12a");
    QTest::newRow("score with a space") << "score1.dat" << platform::rtf::write(" 12");
    QTest::newRow("score with a plus sign") << "score5.dat" << platform::rtf::write("+12");
    QTest::newRow("score of a lone minus") << "score2.dat" << platform::rtf::write("-");
    QTest::newRow("score above 32 bits") << "score4.dat" << platform::rtf::write("2147483648");
    QTest::newRow("score below 32 bits") << "score5.dat" << platform::rtf::write("-2147483649");
    QTest::newRow("score of two lines") << "score1.dat" << platform::rtf::write("12\n13");
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
    QVERIFY(scores::loadTable(table, rig.window.boxes, dir.path()));

    // Every other file holds a different, good table.
    writeTable(dir.path(), {"900", "800", "700", "600", "500"}, {"V", "W", "X", "Y", "Z"});
    QString folder = dir.path();
    if (fileName.isEmpty())
        folder = filePath(dir.path(), QStringLiteral("nowhere"));
    else if (contents.isNull())
        QVERIFY(QFile::remove(filePath(folder, fileName)));
    else
        writeFile(filePath(folder, fileName), contents);

    QVERIFY(!scores::loadTable(table, rig.window.boxes, folder));
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
    std::vector<platform::RichTextBox *> inLoadOrder(rig.window.boxes.scores.begin(), rig.window.boxes.scores.end());
    inLoadOrder.insert(inLoadOrder.end(), rig.window.boxes.names.begin(), rig.window.boxes.names.end());
    for (platform::RichTextBox *box : inLoadOrder)
        box->setText(QStringLiteral("untouched"));
    scores::HighScoreTable table;

    QVERIFY(!scores::loadTable(table, rig.window.boxes, dir.path()));

    const QStringList fileTexts = firstScores + firstNames;
    for (int i = 0; i < 10; ++i) {
        const QString want = i < boxesLoaded ? fileTexts.at(i) : QStringLiteral("untouched");
        QCOMPARE(inLoadOrder[std::size_t(i)]->Text(), want);
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

    QVERIFY(scores::loadTable(table, rig.window.boxes, dir.path()));
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

    QVERIFY(scores::saveTable(table, rig.window.boxes, dir.path()));

    Rig other;
    scores::HighScoreTable loaded;
    QVERIFY(scores::loadTable(loaded, other.window.boxes, dir.path()));
    QCOMPARE(loaded.entries(), table.entries());
    QCOMPARE(loaded.entry(2).score, Slot());
}

void TestScoreFiles::failedSaveKeepsEveryOldFile_data()
{
    QTest::addColumn<QString>("inTheWay"); // a folder standing where this file should be
    QTest::addColumn<QString>("refused");  // the file whose new contents cannot be written
    QTest::addColumn<bool>("noFolder");

    QTest::newRow("no folder") << QString() << QString() << true;
    QTest::newRow("name3.dat replaced by a folder") << "name3.dat" << QString() << false;
    QTest::newRow("score1.dat refused: read-only folder") << QString() << "score1.dat" << false;
    QTest::newRow("name5.dat refused: disk full at the last") << QString() << "name5.dat" << false;
}

// A save that cannot write all ten files must leave the old table whole on
// disk, never a mix of two tables, and nothing of its own behind.
void TestScoreFiles::failedSaveKeepsEveryOldFile()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, refused);
    QFETCH(bool, noFolder);

    QTemporaryDir dir;
    writeTable(dir.path(), firstScores, firstNames);
    if (!inTheWay.isEmpty()) {
        QVERIFY(QFile::remove(filePath(dir.path(), inTheWay)));
        QVERIFY(QDir(dir.path()).mkdir(inTheWay));
    }
    const QString folder = noFolder ? filePath(dir.path(), QStringLiteral("nowhere")) : dir.path();
    const platform::WriteFault fault = [&](platform::SaveStep step, const QString &path) {
        return step == platform::SaveStep::Write && QFileInfo(path).fileName() == refused;
    };

    Rig rig;
    scores::HighScoreTable table;
    table.replaceAll(firstEntries());
    table.insert(1, 9000, QStringLiteral("Zed"));
    QVERIFY(!scores::saveTable(table, rig.window.boxes, folder, fault));

    QVERIFY(!QDir(filePath(dir.path(), QStringLiteral("nowhere"))).exists());
    const QStringList oldTexts = firstScores + firstNames;
    QStringList expected;
    for (int i = 0; i < 10; ++i) {
        const QString name = i < 5 ? QStringLiteral("score%1.dat").arg(i + 1) : QStringLiteral("name%1.dat").arg(i - 4);
        expected << name;
        if (name == inTheWay)
            continue;
        QFile file(filePath(dir.path(), name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(platform::rtf::read(file.readAll()), std::optional<QString>(oldTexts.at(i)));
    }
    QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (!noFolder)
        expected << QStringLiteral(".lock");
    expected.sort();
    left.sort();
    QCOMPARE(left, expected);
}

QTEST_MAIN(TestScoreFiles)
#include "tst_scorefiles.moc"
