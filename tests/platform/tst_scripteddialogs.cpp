// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwindow.h"

#include <QTest>

using namespace platform;
using namespace platform::testing;

// The boxes every other test answers through: if they answered wrongly, those
// tests would prove nothing.
class TestScriptedDialogs : public QObject
{
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void boxStaysOpenWhileTimePasses();
};

using Script = std::function<void(ScriptedDialogs &)>;
Q_DECLARE_METATYPE(Script)

void TestScriptedDialogs::answers_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<int>("message");   // what MsgBox returns
    QTest::addColumn<QString>("input"); // then what InputBox returns
    QTest::addColumn<int>("unexpected");

    QTest::newRow("answers in order") << Script([](ScriptedDialogs &b) {
        b.answerMessage(vbYes);
        b.answerInput(QStringLiteral("Zoë"));
    }) << vbYes << "Zoë" << 0;
    QTest::newRow("input accepted as offered") << Script([](ScriptedDialogs &b) {
        b.answerMessage(vbNo);
        b.acceptInputDefault();
    }) << vbNo << "Anonymous" << 0;
    QTest::newRow("input cancelled is empty") << Script([](ScriptedDialogs &b) {
        b.answerMessage(vbYes);
        b.answerInput(QString());
    }) << vbYes << "" << 0;
    QTest::newRow("no answer queued: No and empty, and counted") << Script() << vbNo << "" << 2;
    QTest::newRow("answer for the other kind of box is not taken")
        << Script([](ScriptedDialogs &b) { b.answerInput(QStringLiteral("Zoë")); }) << vbNo << "Zoë" << 1;
}

void TestScriptedDialogs::answers()
{
    QFETCH(Script, script);
    QFETCH(int, message);
    QFETCH(QString, input);
    QFETCH(int, unexpected);
    ScriptedDialogs boxes;
    if (script)
        script(boxes);
    QCOMPARE(boxes.MsgBox(QStringLiteral("Game over. Play again?"), vbYesNo, QStringLiteral("Game Over")), message);
    QCOMPARE(boxes.InputBox(QStringLiteral("Your name?"), QStringLiteral("High score"), QStringLiteral("Anonymous")),
             input);
    QCOMPARE(boxes.unexpected(), unexpected);
    QCOMPARE(boxes.pending(), 0);
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(boxes.shown()[0].title, QStringLiteral("Game Over"));
    QCOMPARE(boxes.shown()[0].buttons, vbYesNo);
    QCOMPARE(boxes.shown()[1].defaultText, QStringLiteral("Anonymous"));
}

void TestScriptedDialogs::boxStaysOpenWhileTimePasses()
{
    TestProgram program;
    TestWindow window(program.app, QStringLiteral("W"));
    window.Load();
    program.boxes.answerInput(QStringLiteral("Zoë"), 650);
    QCOMPARE(window.InputBox(QStringLiteral("Your name?"), QStringLiteral("High score"), {}), QStringLiteral("Zoë"));
    QCOMPARE(program.clock.now(), 650);
    QCOMPARE(window.ticks[1], (QList<qint64>{300, 600}));
}

QTEST_MAIN(TestScriptedDialogs)
#include "tst_scripteddialogs.moc"
