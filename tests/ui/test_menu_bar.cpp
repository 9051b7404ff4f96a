// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "ui/main_window/main_window.h"

// The main window's menu bar: each item does what its button does, the
// about box names the program and its licence, Ctrl+Q ends it.
class MenuBarTest : public MainWindowScenarios {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<QString>("steps");
        // clang-format off
        QTest::newRow("each menu item does what its button does") << R"(
            item actionSettlement off ; add 2 ; item actionSettlement on
            menu actionSettlement ; within Form3 ; click Command1 ; end ; select List1 0 ; click Command2
            item actionSettlement off ; menu actionFork ; within Form1 ; click Command2 ; end
            menu actionHelp ; within Form2 ; click Command1 ; end ; shortcut List1 F1 ; within Form2 ; click Command1 ; end
            shortcut List1 F10 ; visible menuFile ; key menuFile Esc ; menu actionForkCalculator ; within Form5 ; key Combo1 Esc ; end
        )";
        // clang-format on
    }

    void aboutAndExit()
    {
        zoret::ui::MainWindow form(temporaryJournal());
        form.load();
        Scenario(form.window(), *watcher).run("menu actionAbout");
        const QString about = watcher->takeMessages().join(" / ");
        QVERIFY2(about.startsWith("О программе: Zoret " ZORET_VERSION) && about.contains("GPL-3.0-or-later"),
                 qPrintable(about));
        Scenario(form.window(), *watcher).run("shortcut Text1 Ctrl+Q");
        QVERIFY(!form.isLoaded());
    }
};

ZORET_UI_TEST_MAIN(MenuBarTest)
#include "test_menu_bar.moc"
