// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontsession.h"

#include "platform/testing/inputdriver.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

namespace input = platform::testing::input;

// The menu and the rules without a mouse: from the keyboard alone, and as a
// screen reader finds them.
class TestAccess : public QObject
{
    Q_OBJECT

    static QStringList childrenOf(platform::Form &form)
    {
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form.widget());
        QStringList children{QStringLiteral("window %1 %2").arg(window->role()).arg(window->text(QAccessible::Name))};
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface *child = window->child(i);
            const auto *action = child->actionInterface();
            children << QStringLiteral("%1 %2%3")
                            .arg(child->role())
                            .arg(child->text(QAccessible::Name),
                                 action ? " [" + action->actionNames().join(',') + ']' : QString());
        }
        return children;
    }

private slots:
    void keyboardWorksTheMenu_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("selected"); // the label the keyboard selected on the menu
        QTest::addColumn<QString>("active");
        QTest::addColumn<int>("boxes");

        using K = QList<int>;
        QTest::newRow("as the menu opens: New Game") << K{} << "NewGame"
                                                     << "MainMenu" << 0;
        QTest::newRow("first Tab selects New Game") << K{Qt::Key_Tab} << "NewGame"
                                                    << "MainMenu" << 0;
        QTest::newRow("first Up arrow: the last item, Quit") << K{Qt::Key_Up} << "Quit"
                                                             << "MainMenu" << 0;
        QTest::newRow("first Shift+Tab: Quit too") << K{Qt::Key_Backtab} << "Quit"
                                                   << "MainMenu" << 0;
        QTest::newRow("Tab, Tab: Rules") << K{Qt::Key_Tab, Qt::Key_Tab} << "Help"
                                         << "MainMenu" << 0;
        QTest::newRow("Shift+Tab from New Game wraps to Quit") << K{Qt::Key_Tab, Qt::Key_Backtab} << "Quit"
                                                               << "MainMenu" << 0;
        QTest::newRow("Down past Quit wraps to New Game")
            << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << "NewGame"
            << "MainMenu" << 0;
        QTest::newRow("Return at start: New Game, chosen as the menu opened") << K{Qt::Key_Return} << "NewGame"
                                                                              << "QuillwayGame" << 0;
        QTest::newRow("Return on New Game starts a game") << K{Qt::Key_Tab, Qt::Key_Return} << "NewGame"
                                                          << "QuillwayGame" << 0;
        QTest::newRow("Space on Rules opens the rules") << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space} << "Help"
                                                        << "Rules" << 0;
        QTest::newRow("Escape closes the rules as the close box does")
            << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space, Qt::Key_Escape} << "Help"
            << "MainMenu" << 0;
        QTest::newRow("back from the rules, Rules still chosen")
            << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return} << "Help"
            << "Rules" << 0;
        QTest::newRow("Return on Quit asks") << K{Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return} << "Quit"
                                             << "MainMenu" << 1;
        // The game's own keys are untouched: Escape there is any other key.
        QTest::newRow("Escape in the game: nothing") << K{Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape} << "NewGame"
                                                     << "QuillwayGame" << 0;
    }

    void keyboardWorksTheMenu()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, selected);
        QFETCH(QString, active);
        QFETCH(int, boxes);

        FrontSession s;
        for (int key : keys)
            input::pressKey(*s.app.activeForm(), key);
        QCOMPARE(s.app.activeForm()->name(), active);
        QCOMPARE(s.menu.focusedLabel() ? s.menu.focusedLabel()->name() : QString(), selected);
        QCOMPARE(s.boxes.shown().size(), boxes);
        QVERIFY(!s.rules.isVisible() || active == QLatin1String("Rules"));
        // A screen reader follows the selection, and finds it focused as the
        // menu gets the focus, so that it is spoken.
        QAccessibleInterface *focus = QAccessible::queryAccessibleInterface(s.menu.widget())->focusChild();
        QCOMPARE(focus->text(QAccessible::Name), s.menu.focusedLabel()->Caption());
        if (active == QLatin1String("MainMenu")) {
            QApplication::setActiveWindow(s.menu.widget()); // as the window system does; this platform cannot
            QVERIFY(focus->state().focused);
        }
    }

    // A mouse player sees the menu as laid out; the mark comes with the
    // keyboard, round the selected item's text and nowhere else.
    void focusMarkComesWithTheKeyboard()
    {
        FrontSession s;
        const QImage before = s.menu.widget()->grab().toImage();
        input::click(s.menu.Quit); // answered No
        QCOMPARE(s.menu.widget()->grab().toImage(), before);
        input::pressKey(s.menu, Qt::Key_Tab);
        const QImage after = s.menu.widget()->grab().toImage();
        const QRect mark = s.menu.NewGame.inkRect();
        int changedInside = 0;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                if (before.pixel(x, y) != after.pixel(x, y)) {
                    QVERIFY2(mark.contains(x, y), qPrintable(QStringLiteral("changed at %1, %2").arg(x).arg(y)));
                    ++changedInside;
                }
            }
        }
        QVERIFY(changedInside > mark.width() / 2); // a dotted outline, not a stray pixel
    }

    void screenReaderTree_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("tree"); // role numbers as QAccessible::Role has them

        const QString button = QStringLiteral("%1 ").arg(QAccessible::Button);
        const QString text = QStringLiteral("%1 ").arg(QAccessible::StaticText);
        const QString press = QStringLiteral(" [Press]");
        // The pictures are decoration and have no place in it.
        QTest::newRow("menu: title, then the three items as push buttons")
            << "MainMenu"
            << QStringList{QStringLiteral("window %1 Quillway - Main Menu").arg(QAccessible::Window), text + "Quillway",
                           button + "New Game" + press, button + "Rules" + press, button + "Quit" + press};
        // A dialog, so that its text is read as it opens.
        QTest::newRow("rules: a dialog with the five paragraphs in reading order, the empty strip left out")
            << "Rules" << QStringList{QStringLiteral("window %1 Quillway - Rules").arg(QAccessible::Dialog)};
    }

    void screenReaderTree()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, tree);
        FrontSession s;
        platform::Form &form = s.app.form(window);
        form.Show();
        if (&form == &s.rules) {
            for (platform::Label *paragraph :
                 {&s.rules.Label2, &s.rules.Label3, &s.rules.Label4, &s.rules.Label5, &s.rules.Label7})
                tree << QStringLiteral("%1 ").arg(QAccessible::StaticText) + paragraph->Caption();
        }
        QCOMPARE(childrenOf(form), tree);
    }

    void pressActionIsTheClick_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("active");
        QTest::newRow("New Game starts a game") << 1 << "QuillwayGame";
        QTest::newRow("Rules opens the rules") << 2 << "Rules";
    }

    void pressActionIsTheClick()
    {
        QFETCH(int, item);
        QFETCH(QString, active);
        FrontSession s;
        QAccessibleInterface *child = QAccessible::queryAccessibleInterface(s.menu.widget())->child(item);
        child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QCOMPARE(s.app.activeForm()->name(), active);
        QVERIFY(!s.menu.Timer1.Enabled()); // the same handler as a click
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
