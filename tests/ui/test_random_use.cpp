// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/scenario.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/file_dialog.h"

#include <random>

// Random clicks, typings and picks in the main window (Form4), the fork window (Form1), help (Form2) and the
// settlement window (Form3) opened by their buttons, and in the fork calculator (Form5), fair odds (Form7), the
// journal (Form6, with the settlement window it opens a bet in), the fork on lines (Form9), the match model (Form10)
// and the odds formats (Form11) opened from the menu bar. After each the main window
// stands, its count agrees with the list and the sizes offered, every message is known. The journal and the
// remembered sizes live in folders of this run only; its file dialogs save to and import from there. A failure
// prints the seed (ZORET_RANDOM_SEED replays it).
class RandomUse : public QObject {
    Q_OBJECT

    std::mt19937_64 random_;
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    QString any(const QString& words) { return words.split(' ').at(below(int(words.count(' ')) + 1)); }
    QString typed()
    {
        const QString pieces = "1.5 2 1.85 150 0 . , - e &H FF 1e999 1e200 1e38 abc ф 3,5 9999999999999999 0.001";
        return below(4) ? any("1.5 1.85 2 3 10") : any(pieces) + (below(5) ? "" : " ") + any(pieces);
    }

    // One action on a control of the window, if the control takes it.
    void act(QWidget* window, const QString& names)
    {
        QWidget* target = window->findChild<QWidget*>(any(names));
        if (!target || !target->isEnabled() || !target->isVisible())
            return;
        if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            type(window, qPrintable(edit->objectName()), typed());
            if (below(2))
                QTest::keyClick(edit, Qt::Key_Return);
        } else if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->count())
            pick(window, qPrintable(combo->objectName()), combo->itemText(below(combo->count())));
        else if (auto* list = qobject_cast<QListWidget*>(target); list && list->count()) {
            const QPoint at = list->visualItemRect(list->item(below(list->count()))).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            if (below(2))
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else if (auto* button = qobject_cast<QAbstractButton*>(target))
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
    }

    // A few dozen actions in a child window, then closed by its button or Esc; the window may open again before
    // the next action on the main window (Form12 from Form6).
    void within(ModalWatcher& watcher, const char* form, const QString& names)
    {
        watcher.onWindow(form, [this, &watcher, form, names](QWidget* child) {
            within(watcher, form, names);
            for (int i = below(40); i > 0 && child->isVisible(); --i)
                act(child, names);
            if (child->isVisible())
                QTest::keyClick(child, Qt::Key_Escape);
        });
    }

    // The journal's file dialogs: a save goes to this run's folder, an open imports two bets or is cancelled.
    bool answerFileDialogs(const QTemporaryDir& folder)
    {
        static constexpr const char* twoBets =
            "Дата;Букмекер;Заметка;Вид;Система;Сумма;Режим суммы;Коэффициент 1;Результат 1;Банкер 1;Описание 1;"
            "Коэффициент 2;Результат 2;Банкер 2;Описание 2\n"
            "2026-01-02 03:04:05;Лига;;single;0;10.5;per-line;1.50;won;0\n"
            "2026-01-03 03:04:06;;;accumulator;0;1;whole-bet;2,5;lost;0;;1,20;open;0;\n";
        const QString bets = folder.filePath("bets.csv");
        QFile file(bets);
        const bool written = file.open(QIODevice::WriteOnly) && file.write(twoBets) > 0;
        const QString saved = folder.filePath("export.csv");
        zoret::ui::replaceFileChooser([this, bets, saved](QWidget*, const zoret::ui::FileQuestion& question) {
            return below(4) ? std::optional((question.use == zoret::ui::FileUse::Save ? saved : bets).toStdString())
                            : std::nullopt;
        });
        return written;
    }

    static QString broken(zoret::ui::MainWindow& form, ModalWatcher& watcher)
    {
        static const QRegularExpression known(
            "^Zoret: ((Выберите размер системы|Впишите размер ставки|Впишите коэффициенты?|Error: min-2 max 19|"
            "Переполнение|Деление на ноль|Несоответствие типа)( \\(warning\\))?"
            "|Модели ещё нет: подберите её в окне «Расчёты → Модель матча\\.\\.\\.»\\. \\(information\\)"
            "|Удалить из журнала \\d+ (ставк(у|и|ок)|движени(е|я|й) средств)\\? \\(question\\)"
            "|Движение средств не сохранено: Сумма движения должна быть положительным числом \\(warning\\)"
            "|В файл .*/export\\.csv записано ставок: \\d+, движений средств в .*/export\\.movements\\.csv: \\d+ "
            "\\(information\\)"
            "|Импорт из .*/bets\\.csv\\. Добавлено ставок: \\d+, пропущено уже бывших в журнале: \\d+"
            "(; добавлено движений средств: \\d+, пропущено уже бывших в журнале: \\d+)? \\(information\\))$");
        for (const QString& message : watcher.takeMessages())
            if (!known.match(message).hasMatch())
                return "unknown message or window " + message;
        if (!form.isLoaded())
            return "the main window is gone";
        const int n = control<QListWidget>(form.window(), "List1")->count();
        auto* sizes = control<QComboBox>(form.window(), "Combo1");
        if (const QString count = control<QLabel>(form.window(), "Label6")->property("caption").toString();
            form.eventCount != n || count != QString("( %1 )").arg(n))
            return QString("the count shows %1 for %2 events").arg(count).arg(n);
        const bool offered = n < 3 || (sizes->count() == n - 2 && sizes->itemText(n - 3) == QString::number(n - 1));
        return offered ? "" : QString("%1 sizes for %2 events").arg(sizes->count()).arg(n);
    }

private slots:
    void randomActionsKeepTheWindowsSound()
    {
        const int seed = qEnvironmentVariableIsSet("ZORET_RANDOM_SEED")
                             ? qEnvironmentVariableIntValue("ZORET_RANDOM_SEED")
                             : 20261206;
        random_.seed(seed);
        const QTemporaryDir data;
        static const QTemporaryDir settings; // outlives the program's settings, written once more as it ends
        qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
        QVERIFY(answerFileDialogs(data));
        ModalWatcher watcher;
        zoret::ui::MainWindow form(data.filePath("journal.sqlite"));
        form.load();
        for (int action = 0; action < 5000; ++action) {
            within(watcher, "Form1",
                   "Combo1 Text1 Text2 Text3 Text4 Text5 Command4 Command5 Check1 Check2 Check3 "
                   "Check4 Command1");
            within(watcher, "Form2", "Command1");
            within(watcher, "Form3", "Result1 Result2 Fix1 Fix2 Combo1 Text1");
            within(watcher, "Form5",
                   "Combo1 Text1 Combo2 Odds1 Odds2 Odds3 Odds5 Commission1 Commission2 Stake1 Stake2 Stake3 "
                   "Fixed1 Fixed2 Fixed3 Share1 Share2 Share3 Command1 Command2");
            within(watcher, "Form7",
                   "Combo1 Combo2 Combo3 Text1 Odds1 Odds2 Odds3 Odds5 Mine1 Mine2 Mine3 Mine5 Command2");
            within(watcher, "Form6",
                   "Combo1 Combo2 Combo3 Grid1 Grid1 Command1 Command3 Command4 Command5 Command6 Command2");
            within(watcher, "Form12", "Combo1 Option1 Option2 Text1 Text1 Text2 Command1 Command3 Command2");
            within(watcher, "Form9",
                   "Combo1 Text1 Combo2 Market1 Market2 Market3 Line1 Line2 Line3 Odds1 Odds2 Odds3 Commission1 "
                   "Commission2 Lay1 Lay2 Stake1 Stake2 Fixed1 Fixed2 Text2 Text3 Command3 Command1 Command2");
            within(watcher, "Form10",
                   "Odds1 Odds2 Odds3 TotalLine Over Under Lambda1 Lambda2 Combo1 Market Line Offered Command1 "
                   "Command2");
            within(watcher, "Form11", "Combo1 Text1 Text1 CopyDecimal CopyAmerican Command1");
            if (!below(40))
                QVERIFY(Scenario(form.window(), watcher)
                            .run("menu "
                                 + any("actionForkCalculator actionFairOdds actionJournal actionLineFork "
                                       "actionMatchModel actionOddsFormats")));
            act(form.window(),
                "Text1 Text1 Command1 Command2 Command3 Command4 List1 Combo1 Command7 Command8 Command9 "
                "optEndsum optKf optBeginsum Check1 textSum textKf textStavka ComBatRezult Command6 "
                "Command10 Command11");
            const QString why = broken(form, watcher);
            QVERIFY2(why.isEmpty(), qPrintable(QString("seed %1, action %2: %3").arg(seed).arg(action).arg(why)));
        }
        QVERIFY2(QFileInfo::exists(data.filePath("journal.sqlite")),
                 "the journal is kept elsewhere than in this run's folder");
    }
};

ZORET_UI_TEST_MAIN(RandomUse)
#include "test_random_use.moc"
