// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwindow.h"

#include "platform/richtextbox.h"
#include "platform/runtimeerror.h"
#include "storage/rtf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace platform;

// The rich-text box's file layer: the faults a player's disk can show it.
class TestRichTextBox : public QObject
{
    Q_OBJECT
private slots:
    void roundTripThroughAFile_data();
    void roundTripThroughAFile();
    void saveReplacesTheWholeFile();
    void loadFaults_data();
    void loadFaults();
    void saveFaults_data();
    void saveFaults();
};

namespace {
struct BoxWindow : platform::Form {
    explicit BoxWindow(App &app)
        : Form(app, QStringLiteral("Boxes"), {QStringLiteral("Boxes"), 1500, 1200, Qt::gray, {}})
    {
    }
    RichTextBox Score1{this, QStringLiteral("Score1"), 2160, 6720, 1695, 255};
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

int errorNumber(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}
} // namespace

void TestRichTextBox::roundTripThroughAFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a score") << "2950";
    QTest::newRow("empty slot") << "";
    QTest::newRow("a name with braces and accents") << QString::fromUtf8("Zoë {the} \\ Brave €");
    QTest::newRow("two lines") << "first\nsecond\n";
}

void TestRichTextBox::roundTripThroughAFile()
{
    QFETCH(QString, text);
    TestProgram program;
    BoxWindow window(program.app);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("name1.dat"));
    window.Score1.setText(text);
    window.Score1.SaveFile(path);
    window.Score1.setText(QStringLiteral("something else"));
    window.Score1.LoadFile(path);
    QCOMPARE(window.Score1.Text(), text);
}

void TestRichTextBox::saveReplacesTheWholeFile()
{
    TestProgram program;
    BoxWindow window(program.app);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("score1.dat"));
    writeFile(path, storage::rtf::write(QString(5000, QLatin1Char('x'))));
    window.Score1.setText(QStringLiteral("7"));
    window.Score1.SaveFile(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), storage::rtf::write(QStringLiteral("7")));
}

void TestRichTextBox::loadFaults_data()
{
    QTest::addColumn<QString>("name");     // inside a fresh folder
    QTest::addColumn<QByteArray>("bytes"); // written there first, unless null
    QTest::addColumn<int>("error");

    QTest::newRow("missing folder") << "nowhere/score1.dat" << QByteArray() << errors::PathNotFound;
    QTest::newRow("missing file") << "score1.dat" << QByteArray() << errors::FileNotFound;
    QTest::newRow("empty file") << "score1.dat" << QByteArray("") << errors::InvalidFileFormat;
    QTest::newRow("plain text, not RTF") << "score1.dat" << QByteArray("2950") << errors::InvalidFileFormat;
    QTest::newRow("over 4 MiB") << "score1.dat"
                                << QByteArray("{\\rtf1 ") + QByteArray(storage::rtf::maxDocumentSize, 'x') + "}"
                                << errors::InvalidFileFormat;
    QTest::newRow("a folder, not a file") << "." << QByteArray() << errors::PathFileAccess;
}

void TestRichTextBox::loadFaults()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    TestProgram program;
    BoxWindow window(program.app);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (!bytes.isNull())
        writeFile(path, bytes);
    window.Score1.setText(QStringLiteral("kept"));
    QCOMPARE(errorNumber([&] { window.Score1.LoadFile(path); }), error);
    QCOMPARE(window.Score1.Text(), QStringLiteral("kept"));
}

void TestRichTextBox::saveFaults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error");
    QTest::newRow("missing folder") << "nowhere/score1.dat" << errors::PathNotFound;
    QTest::newRow("folder is a file") << "plain/score1.dat" << errors::PathNotFound;
    QTest::newRow("target is a folder") << "sub" << errors::PathFileAccess;
}

void TestRichTextBox::saveFaults()
{
    QFETCH(QString, name);
    QFETCH(int, error);
    TestProgram program;
    BoxWindow window(program.app);
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("plain")), "not a folder");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    window.Score1.setText(QStringLiteral("2950"));
    QCOMPARE(errorNumber([&] { window.Score1.SaveFile(dir.filePath(name)); }), error);
}

QTEST_MAIN(TestRichTextBox)
#include "tst_richtextbox.moc"
