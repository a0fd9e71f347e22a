// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/scores/tablefolder.h"

#include "scores/scorefiles.h"

#include "storage/fileset.h"
#include "storage/folderlock.h"
#include "storage/rtf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Everything in the folder, hidden names included, sorted.
QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// What a folder holds after a save that went well: the ten files and the lock.
QStringList tenFilesAndLock()
{
    QStringList names{QStringLiteral(".lock")};
    for (int rank = 1; rank <= scores::tableSize; ++rank)
        names << QStringLiteral("name%1.dat").arg(rank) << QStringLiteral("score%1.dat").arg(rank);
    names.sort();
    return names;
}

scores::HighScoreTable tableWith(qint32 score, const QString &name)
{
    scores::HighScoreTable table;
    table.replaceAll(firstEntries());
    table.insert(table.rankFor(score), score, name);
    return table;
}

} // namespace

// The ten files of the high-score table saved as one set (storage::FileSet)
// under the lock on their folder (storage::FolderLock): a failed, killed or
// refused save leaves one whole table, a second copy of the game never sees
// half a save, and a set that cannot be read is kept aside. The cases save
// and load through the table's own functions, which make such a set.
class TestFileSet : public QObject
{
    Q_OBJECT

private slots:
    void failedSaveKeepsEveryOldFile_data();
    void failedSaveKeepsEveryOldFile();
    void interruptedSaveLeavesOneWholeTable_data();
    void interruptedSaveLeavesOneWholeTable();
    void secondCopyNeverSeesHalfASave();
    void unreadableSetIsKeptAside_data();
    void unreadableSetIsKeptAside();
};

void TestFileSet::failedSaveKeepsEveryOldFile_data()
{
    QTest::addColumn<QString>("inTheWay"); // a folder standing where this file should be
    QTest::addColumn<QString>("refused");  // the file whose new contents cannot be written
    QTest::addColumn<bool>("noFolder");
    QTest::addColumn<QString>("readOnly"); // a file the player made read-only (chmod a-w)

    QTest::newRow("no folder") << QString() << QString() << true << QString();
    QTest::newRow("name3.dat replaced by a folder") << "name3.dat" << QString() << false << QString();
    QTest::newRow("score1.dat refused: read-only folder") << QString() << "score1.dat" << false << QString();
    QTest::newRow("name5.dat refused: disk full at the last") << QString() << "name5.dat" << false << QString();
    QTest::newRow("name2.dat made read-only") << QString() << QString() << false << "name2.dat";
}

// A save that cannot write all ten files must leave the old table whole on
// disk, never a mix of two tables, and nothing of its own behind.
void TestFileSet::failedSaveKeepsEveryOldFile()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, refused);
    QFETCH(bool, noFolder);
    QFETCH(QString, readOnly);

    QTemporaryDir dir;
    writeTable(dir.path(), firstScores, firstNames);
    if (!readOnly.isEmpty())
        QVERIFY(QFile::setPermissions(filePath(dir.path(), readOnly), QFile::ReadOwner | QFile::ReadGroup));
    if (!inTheWay.isEmpty()) {
        QVERIFY(QFile::remove(filePath(dir.path(), inTheWay)));
        QVERIFY(QDir(dir.path()).mkdir(inTheWay));
    }
    const QString folder = noFolder ? filePath(dir.path(), QStringLiteral("nowhere")) : dir.path();
    const storage::WriteFault fault = [&](storage::SaveStep step, const QString &path) {
        return step == storage::SaveStep::Write && QFileInfo(path).fileName() == refused;
    };

    Rig rig;
    scores::HighScoreTable table;
    table.replaceAll(firstEntries());
    table.insert(1, 9000, QStringLiteral("Zed"));
    QVERIFY(!scores::saveTable(table, rig.files.files(), folder, fault));

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
        QCOMPARE(storage::rtf::read(file.readAll()), std::optional<QString>(oldTexts.at(i)));
    }
    QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (!noFolder)
        expected << QStringLiteral(".lock");
    expected.sort();
    left.sort();
    QCOMPARE(left, expected);
}

void TestFileSet::interruptedSaveLeavesOneWholeTable_data()
{
    QTest::addColumn<bool>("killed");   // the process ends at the step; else the step fails
    QTest::addColumn<bool>("noLinks");  // the disk has no hard links (FAT, exFAT): old files are copied
    QTest::addColumn<bool>("symlinks"); // score2.dat and name4.dat are links to files in another folder
    QTest::addColumn<bool>("noModes");  // the disk keeps no permission bits (FAT through FUSE)
    QTest::newRow("killed before each step") << true << false << false << false;
    QTest::newRow("each step refused") << false << false << false << false;
    QTest::newRow("no hard links, killed before each step") << true << true << false << false;
    QTest::newRow("no hard links, each step refused") << false << true << false << false;
    QTest::newRow("two files linked elsewhere, killed before each step") << true << false << true << false;
    QTest::newRow("two files linked elsewhere, each step refused") << false << false << true << false;
    QTest::newRow("no hard links nor permission bits, killed before each step") << true << true << false << true;
    QTest::newRow("no hard links nor permission bits, each step refused") << false << true << false << true;
}

// Whatever step a save stops at, a load then finds the whole old table or the
// whole new one, and the next save leaves nothing of the first behind: not
// its leftovers, nor an older game's, and it writes through no planted link.
// A file that is a link stays one, and the file it names is replaced whole.
void TestFileSet::interruptedSaveLeavesOneWholeTable()
{
    QFETCH(bool, killed);
    QFETCH(bool, noLinks);
    QFETCH(bool, symlinks);
    QFETCH(bool, noModes);
    Rig rig;
    QTemporaryDir elsewhere;
    const QString victim = filePath(elsewhere.path(), QStringLiteral("victim"));
    writeFile(victim, "precious");
    const scores::HighScoreTable newTable = tableWith(9000, QStringLiteral("Zed"));
    for (int stopAt = 0, stopped = true; stopped; ++stopAt) {
        QTemporaryDir dir;
        writeTable(dir.path(), firstScores, firstNames);
        QTemporaryDir real;
        for (const QString &name : {QStringLiteral("score2.dat"), QStringLiteral("name4.dat")}) {
            if (symlinks) {
                QVERIFY(QFile::rename(filePath(dir.path(), name), filePath(real.path(), name)));
                QVERIFY(QFile::link(filePath(real.path(), name), filePath(dir.path(), name)));
            }
        }
        QVERIFY(QFile::link(victim, filePath(dir.path(), QStringLiteral(".score1.dat.new"))));
        writeFile(filePath(dir.path(), QStringLiteral(".name2.dat.4242.new")), "left by an older game");
        int steps = 0;
        const storage::WriteFault fault = [&](storage::SaveStep step, const QString &) {
            if ((noLinks && step == storage::SaveStep::Link) || (noModes && step == storage::SaveStep::Permissions))
                return true;
            if (steps++ != stopAt)
                return false;
            if (killed)
                ::_exit(step >= storage::SaveStep::Rename ? 11 : 10);
            return true;
        };
        bool saved = false;
        if (killed) {
            const pid_t child = ::fork();
            if (child == 0)
                ::_exit(scores::saveTable(newTable, rig.files.files(), dir.path(), fault) ? 1 : 2);
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status));
            // Killed once its renames began, the save is finished by the load.
            saved = WEXITSTATUS(status) == 1 || WEXITSTATUS(status) == 11;
            stopped = WEXITSTATUS(status) >= 10;
        } else {
            saved = scores::saveTable(newTable, rig.files.files(), dir.path(), fault);
            stopped = steps > stopAt;
        }
        const QByteArray where = "stopped before step " + QByteArray::number(stopAt);
        // Once nothing stops it, the save goes through, whatever the disk.
        QVERIFY2(stopped || saved, where);

        scores::HighScoreTable loaded;
        QVERIFY2(scores::loadTable(loaded, rig.files.files(), dir.path()), where);
        QVERIFY2(loaded.entries() == (saved ? newTable.entries() : firstEntries()), where);
        QVERIFY2(scores::saveTable(tableWith(7000, QStringLiteral("Next")), rig.files.files(), dir.path()), where);
        QVERIFY2(folderEntries(dir.path()) == tenFilesAndLock(),
                 where + ": " + folderEntries(dir.path()).join(' ').toUtf8());
        QCOMPARE(readBytes(victim), QByteArray("precious"));
        if (symlinks) {
            QVERIFY2(QFileInfo(filePath(dir.path(), QStringLiteral("name4.dat"))).isSymLink(), where);
            QVERIFY2(folderEntries(real.path()) == QStringList({"name4.dat", "score2.dat"}), where);
        }
    }
}

// Two copies of the game on one folder: one saving slowly, the other loading
// and then entering its own score meanwhile; then one stuck with the lock.
void TestFileSet::secondCopyNeverSeesHalfASave()
{
    QTemporaryDir dir;
    writeTable(dir.path(), firstScores, firstNames);
    Rig rig;
    scores::HighScoreTable stale;
    QVERIFY(scores::loadTable(stale, rig.files.files(), dir.path()));
    int ready[2];
    QCOMPARE(::pipe(ready), 0);

    const pid_t child = ::fork();
    if (child == 0) {
        // Tells the other copy when its renames begin, and takes its time.
        const storage::WriteFault slow = [&](storage::SaveStep step, const QString &) {
            if (step == storage::SaveStep::Rename) {
                if (ready[1] >= 0 && ::write(ready[1], "r", 1) == 1)
                    ready[1] = -1;
                ::usleep(30000);
            }
            return false;
        };
        scores::HighScoreTable table = stale;
        ::_exit(scores::rereadEnterAndSave(table, rig.files.files(), dir.path(), 9000, QStringLiteral("Kid"), slow)
                    ? 0
                    : 1);
    }
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), 1);

    scores::HighScoreTable during;
    QVERIFY(scores::loadTable(during, rig.files.files(), dir.path()));
    QCOMPARE(during.entries(), tableWith(9000, QStringLiteral("Kid")).entries());
    QVERIFY(scores::rereadEnterAndSave(stale, rig.files.files(), dir.path(), 8000, QStringLiteral("Mum")));
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QCOMPARE(status, 0);

    scores::HighScoreTable both = tableWith(9000, QStringLiteral("Kid"));
    both.insert(2, 8000, QStringLiteral("Mum"));
    scores::HighScoreTable loaded;
    QVERIFY(scores::loadTable(loaded, rig.files.files(), dir.path()));
    QCOMPARE(loaded.entries(), both.entries());
    QCOMPARE(stale.entries(), both.entries());
    // A score the fresher table no longer lets in is not entered.
    scores::HighScoreTable older;
    older.replaceAll(firstEntries());
    QVERIFY(!scores::rereadEnterAndSave(older, rig.files.files(), dir.path(), 1500, QStringLiteral("Late")));
    QCOMPARE(older.entries(), both.entries());
    ::close(ready[0]);
    ::close(ready[1]);

    // A copy that holds the lock and never lets go costs the save, not the
    // game: the entry stays in memory and the files are untouched.
    const QByteArray before = readBytes(scores::scoreFilePath(dir.path(), 1));
    // Taken as another process takes it: this one's own lock would be shared.
    const int stuck = ::open(QFile::encodeName(filePath(dir.path(), QStringLiteral(".lock"))).constData(), O_RDWR);
    QCOMPARE(::flock(stuck, LOCK_EX | LOCK_NB), 0);
    QVERIFY(scores::rereadEnterAndSave(older, rig.files.files(), dir.path(), 9500, QStringLiteral("Max")));
    QCOMPARE(older.entry(1), (scores::Entry{9500, QStringLiteral("Max")}));
    QCOMPARE(readBytes(scores::scoreFilePath(dir.path(), 1)), before);
    ::close(stuck);
}

void TestFileSet::unreadableSetIsKeptAside_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("contents"); // null: the file is removed
    QTest::addColumn<QString>("links");       // the ten files links into another folder: "absolute", "relative"

    QTest::newRow("name3.dat cut short") << "name3.dat" << storage::rtf::write("Cy").left(9) << QString();
    QTest::newRow("score2.dat missing") << "score2.dat" << QByteArray() << QString();
    QTest::newRow("absolute links, name3.dat cut short")
        << "name3.dat" << storage::rtf::write("Cy").left(9) << "absolute";
    QTest::newRow("relative links, score2.dat missing") << "score2.dat" << QByteArray() << "relative";
}

// A high score after a load that failed must not destroy the good entries of
// the other files: the old set is kept, byte for byte, beside the new one, as
// plain files even where the set's files are links the save writes through.
void TestFileSet::unreadableSetIsKeptAside()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, contents);
    QFETCH(QString, links);

    QTemporaryDir dir;
    writeTable(dir.path(), firstScores, firstNames);
    if (contents.isNull())
        QVERIFY(QFile::remove(filePath(dir.path(), fileName)));
    else
        writeFile(filePath(dir.path(), fileName), contents);
    QMap<QString, QByteArray> before;
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        before[name] = readBytes(filePath(dir.path(), name));
    if (!links.isEmpty()) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("real")));
        for (const QString &name : before.keys()) {
            QVERIFY(QFile::rename(filePath(dir.path(), name), filePath(dir.path(), "real/" + name)));
            const QString target = links == "absolute" ? filePath(dir.path(), "real/" + name) : "real/" + name;
            QCOMPARE(::symlink(QFile::encodeName(target).constData(),
                               QFile::encodeName(filePath(dir.path(), name)).constData()),
                     0);
        }
    }
    Rig rig;
    scores::HighScoreTable table;

    QVERIFY(scores::rereadEnterAndSave(table, rig.files.files(), dir.path(), 9000, QStringLiteral("Zed")));

    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("unreadable-*")}, QDir::Dirs);
    QCOMPARE(aside.size(), 1);
    const QString keptIn = filePath(dir.path(), aside.first());
    QCOMPARE(QDir(keptIn).entryList(QDir::Files | QDir::System), QStringList(before.keys()));
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        QVERIFY2(!QFileInfo(filePath(keptIn, it.key())).isSymLink(), qPrintable(it.key()));
        QCOMPARE(readBytes(filePath(keptIn, it.key())), it.value());
    }
    scores::HighScoreTable loaded;
    QVERIFY(scores::loadTable(loaded, rig.files.files(), dir.path()));
    QCOMPARE(loaded.entry(1), (scores::Entry{9000, QStringLiteral("Zed")}));
}

QTEST_MAIN(TestFileSet)
#include "tst_fileset.moc"
