// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testwindow.h"

#include "platform/realclock.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace platform;

// The real boxes: their answers, and the game going on behind them.
class TestQtDialogs : public QObject
{
    Q_OBJECT
private slots:
    void messageBox_data();
    void messageBox();
    void inputBox_data();
    void inputBox();
};

namespace {
// Once the real clock has ticked `ticks` times behind the open box, `answer`
// answers it, the way a player would.
void answerLater(const TestWindow &window, int ticks, const std::function<void(QWidget *)> &answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &window, ticks, answer] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || window.ticks[1].size() < ticks)
            return;
        poll->deleteLater();
        answer(box);
    });
    poll->start(5);
}
} // namespace

void TestQtDialogs::messageBox_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Yes is 6") << int(QMessageBox::Yes) << vbYes;
    QTest::newRow("No is 7") << int(QMessageBox::No) << vbNo;
}

void TestQtDialogs::messageBox()
{
    QFETCH(int, button);
    QFETCH(int, result);
    RealClock clock;
    QtDialogs boxes;
    App app(clock, boxes);
    TestWindow window(app, QStringLiteral("W"));
    window.Timer1.setInterval(20);
    answerLater(window, 3, [button](QWidget *box) {
        auto *message = qobject_cast<QMessageBox *>(box);
        QVERIFY(message);
        QCOMPARE(message->windowTitle(), QStringLiteral("Quit Quillway?"));
        QCOMPARE(message->text(), QStringLiteral("Are you sure you want to quit?"));
        message->button(QMessageBox::StandardButton(button))->click();
    });
    QCOMPARE(boxes.MsgBox(QStringLiteral("Are you sure you want to quit?"), vbYesNo, QStringLiteral("Quit Quillway?")),
             result);
    QVERIFY(window.ticks[1].size() >= 3); // the timers ticked while it was open
}

void TestQtDialogs::inputBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("result");
    QTest::newRow("default confirmed") << QString() << true << "Anonymous";
    QTest::newRow("name typed") << "Zoë" << true << "Zoë";
    QTest::newRow("cancelled gives an empty text") << "Zoë" << false << "";
}

void TestQtDialogs::inputBox()
{
    QFETCH(QString, typed);
    QFETCH(bool, confirm);
    QFETCH(QString, result);
    RealClock clock;
    QtDialogs boxes;
    App app(clock, boxes);
    TestWindow window(app, QStringLiteral("W"));
    window.Timer1.setInterval(20);
    answerLater(window, 2, [typed, confirm](QWidget *box) {
        auto *input = qobject_cast<QInputDialog *>(box);
        QVERIFY(input);
        if (!typed.isNull())
            input->setTextValue(typed);
        confirm ? input->accept() : input->reject();
    });
    QCOMPARE(boxes.InputBox(QStringLiteral("Your name?"), QStringLiteral("High score"), QStringLiteral("Anonymous")),
             result);
}

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
