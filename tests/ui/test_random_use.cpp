// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"
#include "tests/ui/main_window_steps.h"

#include <QGroupBox>
#include <QTableWidget>

#include <random>

using zoret::ui::MainWindow;

namespace {

// Every message the program may show: the prompts of its windows and the
// error boundary's reports.
const QStringList knownMessages = {"Выберите размер системы", "Впишите размер ставки", "Впишите коэффициент",
                                   "Впишите коэффициенты",    "Error: min-2 max 19",   "Переполнение",
                                   "Деление на ноль",         "Несоответствие типа"};

// Drives the four windows through random actions, the way a hurried or
// careless person would, and checks the main window's invariants after each.
class RandomUser {
public:
    RandomUser(MainWindow& form, ModalWatcher& watcher, std::uint64_t seed)
        : form_(form), watcher_(watcher), random_(seed)
    {
    }

    int actions = 0;
    QString failure;

    void run(int count)
    {
        while (actions < count && failure.isEmpty()) {
            mainWindowAction();
            check();
        }
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }

    QString garbage()
    {
        static const QStringList pieces = {"1",
                                           "2.5",
                                           "1.85",
                                           "0",
                                           ".",
                                           ",",
                                           " ",
                                           "-",
                                           "+",
                                           "e",
                                           "E",
                                           "d",
                                           "7",
                                           "150",
                                           "1e999",
                                           "1e308",
                                           "1e38",
                                           "1e39",
                                           "1e-400",
                                           "&H",
                                           "FFFF",
                                           "&O17",
                                           "abc",
                                           "ф",
                                           "00",
                                           "\t",
                                           "3,5",
                                           "-2",
                                           "9999999999999999",
                                           "100",
                                           "1e200",
                                           "0.001",
                                           "1.5",
                                           "2.1",
                                           "4"};
        QString text;
        const int parts = 1 + below(3);
        for (int i = 0; i < parts; ++i)
            text += pieces[below(pieces.size())];
        return text;
    }

    QString odd()
    {
        static const QStringList usual = {"1.5", "1.85", "2", "2.1", "3", "1.01", "10", "150"};
        return chance(80) ? usual[below(usual.size())] : garbage();
    }

    template <typename Widget>
    Widget* usable(QWidget* window, const char* name)
    {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        return widget && widget->isEnabled() && widget->isVisible() ? widget : nullptr;
    }

    void press(QWidget* window, const char* name)
    {
        if (auto* button = usable<QAbstractButton>(window, name))
            QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    void typeInto(QWidget* window, const char* name, const QString& typed)
    {
        if (auto* edit = usable<QLineEdit>(window, name)) {
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            typeKeys(edit, typed);
        }
    }

    void pickAny(QWidget* window, const char* name)
    {
        auto* combo = usable<QComboBox>(window, name);
        if (combo && combo->count() > 0)
            pick(window, name, combo->itemText(below(combo->count())));
    }

    void clickListItem(bool twice)
    {
        auto* list = form_.window()->findChild<QListWidget*>("List1");
        if (list->count() == 0)
            return;
        const int row = below(list->count());
        list->scrollToItem(list->item(row));
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    void mainWindowAction()
    {
        QWidget* w = form_.window();
        ++actions;
        switch (below(17)) {
        case 0:
        case 1:
            typeInto(w, "Text1", odd());
            if (chance(50))
                QTest::keyClick(w->findChild<QLineEdit*>("Text1"), Qt::Key_Return);
            else
                press(w, "Command1");
            break;
        case 2:
            clickListItem(false);
            press(w, "Command2");
            break;
        case 3:
            clickListItem(true);
            break;
        case 4:
            if (chance(10))
                press(w, "Command4");
            break;
        case 5:
            press(w, chance(50) ? "Command3" : (chance(50) ? "Command8" : "Command9"));
            break;
        case 6:
            pickAny(w, "Combo1");
            break;
        case 7:
            press(w, "Command7");
            break;
        case 8:
            press(w, std::array{"optEndsum", "optKf", "optBeginsum"}[below(3)]);
            break;
        case 9:
            press(w, "Check1");
            break;
        case 10:
            typeInto(w, std::array{"textSum", "textKf", "textStavka"}[below(3)], garbage());
            break;
        case 11:
        case 12:
            press(w, "ComBatRezult");
            break;
        case 13:
            if (chance(15))
                openFork();
            break;
        case 14:
            if (chance(5))
                openHelp();
            break;
        case 15:
            if (chance(15))
                openSettlement();
            break;
        default:
            typeInto(w, std::array{"textSum", "textKf", "textStavka"}[below(3)], odd());
            break;
        }
    }

    void openHelp()
    {
        watcher_.onWindow("Form2", [this](QWidget* help) {
            ++actions;
            const int how = below(3);
            if (how == 0)
                press(help, "Command1");
            else if (how == 1)
                QTest::keyClick(help, Qt::Key_Escape);
            else
                help->close();
        });
        press(form_.window(), "Command10");
    }

    void openFork()
    {
        watcher_.onWindow("Form1", [this](QWidget* fork) {
            const int steps = 5 + below(40);
            for (int i = 0; i < steps && failure.isEmpty(); ++i) {
                forkAction(fork);
                checkMessages();
            }
            const int how = below(3);
            if (how == 0)
                press(fork, "Command2");
            else if (how == 1)
                QTest::keyClick(fork, Qt::Key_Escape);
            else
                fork->close();
        });
        press(form_.window(), "Command6");
    }

    void openSettlement()
    {
        if (!usable<QPushButton>(form_.window(), "Command11"))
            return;
        watcher_.onWindow("Form3", [this](QWidget* settlement) {
            const int steps = 5 + below(30);
            for (int i = 0; i < steps && failure.isEmpty(); ++i) {
                settlementAction(settlement);
                checkMessages();
            }
            if (chance(50))
                press(settlement, "Command1");
            else
                QTest::keyClick(settlement, Qt::Key_Escape);
        });
        press(form_.window(), "Command11");
    }

    void settlementAction(QWidget* settlement)
    {
        ++actions;
        const int events = settlement->findChild<QTableWidget*>("Grid1")->rowCount();
        const QByteArray row = QByteArray::number(1 + below(events));
        switch (below(4)) {
        case 0:
            pickAny(settlement, ("Result" + row).constData());
            break;
        case 1:
            press(settlement, ("Fix" + row).constData());
            break;
        case 2:
            pickAny(settlement, "Combo1");
            break;
        default:
            typeInto(settlement, "Text1", chance(70) ? odd() : garbage());
            break;
        }
    }

    void forkAction(QWidget* fork)
    {
        ++actions;
        switch (below(9)) {
        case 0:
            pickAny(fork, "Combo1");
            break;
        case 1:
        case 2:
            typeInto(fork, std::array{"Text1", "Text2", "Text3", "Text4"}[below(4)], odd());
            break;
        case 3:
            typeInto(fork, "Text5", chance(70) ? QString::number(below(1000)) : garbage());
            break;
        case 4:
            press(fork, "Command5");
            break;
        case 5:
            if (auto* sum = usable<QLineEdit>(fork, "Text5"))
                QTest::keyClick(sum, Qt::Key_Return);
            else
                press(fork, "Command4");
            break;
        case 6:
            press(fork, std::array{"Check1", "Check2", "Check3", "Check4"}[below(4)]);
            break;
        case 7:
            if (chance(20))
                press(fork, "Command1");
            break;
        default:
            press(fork, "Command4");
            break;
        }
    }

    void checkMessages()
    {
        for (const QString& message : watcher_.takeMessageTexts())
            if (!knownMessages.contains(message))
                fail("unknown message: " + message);
        const QStringList unexpected = watcher_.takeUnexpected();
        if (!unexpected.isEmpty())
            fail("unexpected window: " + unexpected.join(", "));
    }

    void check()
    {
        checkMessages();
        QWidget* w = form_.window();
        if (!form_.isLoaded() || !w || !w->isVisible())
            return fail("the main window is gone");
        const int n = w->findChild<QListWidget*>("List1")->count();
        if (form_.eventCount != n)
            return fail(QString("eventCount %1, list %2").arg(form_.eventCount).arg(n));
        if (caption(w, "Label6") != QString("( %1 )").arg(n))
            return fail("Label6 shows " + caption(w, "Label6"));
        if (n >= 3 && comboItems(w) != sizesUpTo(n - 1))
            return fail("sizes " + comboItems(w).join(","));
    }

    void fail(const QString& why)
    {
        if (failure.isEmpty())
            failure = QString("after action %1: %2").arg(actions).arg(why);
    }

    MainWindow& form_;
    ModalWatcher& watcher_;
    std::mt19937_64 random_;
};

} // namespace

class RandomUse : public QObject {
    Q_OBJECT

private slots:
    void thousandsOfRandomActionsKeepTheWindowsSound()
    {
        const std::uint64_t seed = qEnvironmentVariableIsSet("ZORET_RANDOM_SEED")
                                       ? qEnvironmentVariable("ZORET_RANDOM_SEED").toULongLong()
                                       : 20261206;
        const int actions = qEnvironmentVariableIsSet("ZORET_RANDOM_ACTIONS")
                                ? qEnvironmentVariableIntValue("ZORET_RANDOM_ACTIONS")
                                : 20000;
        ModalWatcher watcher;
        MainWindow form;
        form.load();
        RandomUser user(form, watcher, seed);
        user.run(actions);
        QVERIFY2(user.failure.isEmpty(), qPrintable(QString("seed %1, %2").arg(seed).arg(user.failure)));
        QVERIFY(user.actions >= actions);
    }
};

ZORET_UI_TEST_MAIN(RandomUse)
#include "test_random_use.moc"
