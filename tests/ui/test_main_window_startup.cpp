// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"
#include "ui/help_window/help_window.h"
#include "tests/ui/window_test.h"
#include "tests/ui/window_test_case.h"

#include <QGroupBox>
#include <QSignalSpy>

using zoret::ui::MainWindow;

// The main window right after start: captions, enabling, keyboard, help.
class MainWindowStartup : public WindowTestCase {
    Q_OBJECT

private slots:
    void windowCaptionAndName()
    {
        MainWindow form;
        form.load();
        QCOMPARE(form.window()->objectName(), QString("Form4"));
        QCOMPARE(form.window()->windowTitle(), QString("Zoret - от Lorvi'а"));
        QVERIFY(!form.window()->windowIcon().isNull());
        QCOMPARE(form.window()->size(), QSize(578, 304));
    }

    void captionsAfterStart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        const std::pair<const char*, const char*> rows[] = {{"Command1", "Добавить"},
                                                            {"Command2", "Удалить"},
                                                            {"Command3", "Экспресс"},
                                                            {"Command4", "Убрать все"},
                                                            {"Command5", "Выход"},
                                                            {"Command6", "Вилка..."},
                                                            {"Command7", "Система"},
                                                            {"Command8", ""},
                                                            {"Command9", ""},
                                                            {"Command10", "Помощь..."},
                                                            {"Command11", "Расчёт..."},
                                                            {"Label2", "Коэффициенты"},
                                                            {"Label5", "Кол-во событий системы"},
                                                            {"optEndsum", "Размер выигрыша"},
                                                            {"optKf", "Коэффициент"},
                                                            {"optBeginsum", "Размер ставки"},
                                                            {"lbSum", "Выигрыш"},
                                                            {"lbKf", "Коэффициент"},
                                                            {"lbStavka", "Ставка"},
                                                            {"ComBatRezult", "="},
                                                            {"Check1", "Система"},
                                                            {"Label6", "( 0 )"},
                                                            {"lbRezultSum", "0"},
                                                            {"lbRezultInfo", ""},
                                                            {"Label1", ""},
                                                            {"Label3", ""},
                                                            {"Label4", ""},
                                                            {"Label7", ""},
                                                            {"Frame1", "Считать..."},
                                                            {"Frame3", "Экспресс"},
                                                            {"Frame4", "Система"}};
        for (const auto& [name, shown] : rows)
            QTest::newRow(name) << QString(name) << QString(shown);
    }

    void captionsAfterStart()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        MainWindow form;
        form.load();
        QWidget* widget = form.window()->findChild<QWidget*>(name);
        QVERIFY(widget);
        QString actual;
        if (auto* label = qobject_cast<QLabel*>(widget))
            actual = label->property("caption").toString();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            actual = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            actual = group->title();
        QCOMPARE(actual, shown);
    }

    void enablingAfterStart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        for (const char* off :
             {"Command3", "Command7", "Command11", "Combo1", "Label5", "Check1", "ComBatRezult", "textSum", "textKf",
              "textStavka", "lbSum", "lbKf", "lbStavka", "lbRezultInfo", "lbRezultSum"})
            QTest::newRow(off) << QString(off) << false;
        for (const char* on : {"Command8", "Command9", "Text1", "Command1", "Command2", "Command4", "List1",
                               "optEndsum", "optKf", "optBeginsum", "Command5", "Command6", "Command10"})
            QTest::newRow(on) << QString(on) << true;
    }

    void enablingAfterStart()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        MainWindow form;
        form.load();
        QCOMPARE(isEnabledOwn(form.window(), qPrintable(name)), enabled);
    }

    void startStateOfValuesAndBoxes()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        for (const char* box : {"Text1", "textSum", "textKf", "textStavka"})
            QVERIFY2(text(w, box).isEmpty(), box);
        for (const char* option : {"optEndsum", "optKf", "optBeginsum"})
            QVERIFY2(!control<QRadioButton>(w, option)->isChecked(), option);
        QVERIFY(!control<QCheckBox>(w, "Check1")->isChecked());
        QCOMPARE(control<QListWidget>(w, "List1")->count(), 0);
        QCOMPARE(control<QComboBox>(w, "Combo1")->count(), 0);
        QVERIFY(control<QPushButton>(w, "ComBatRezult")->font().bold());
        QCOMPARE(control<QPushButton>(w, "ComBatRezult")->font().pointSize(), 12);
        QVERIFY(!control<QPushButton>(w, "Command8")->icon().isNull());
        QCOMPARE(form.eventCount, 0);
        QCOMPARE(form.systemOdds, 0.0);
        QCOMPARE(form.systemTicked, false);
    }

    void controlsSitWhereTheyWereDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Text1") << "Text1" << QRect(8, 32, 81, 19);
        QTest::newRow("List1") << "List1" << QRect(96, 32, 65, 264);
        QTest::newRow("Frame1") << "Frame1" << QRect(168, 144, 401, 153);
        QTest::newRow("ComBatRezult in Frame1") << "ComBatRezult" << QRect(312, 120, 57, 21);
        QTest::newRow("Command8 in Frame3") << "Command8" << QRect(232, 24, 41, 25);
    }

    void controlsSitWhereTheyWereDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        MainWindow form;
        form.load();
        QCOMPARE(form.window()->findChild<QWidget*>(name)->geometry(), pixels);
    }

    void tabOrderFollowsTheDesign()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        const QStringList expected = {"Text1",    "Command1",  "Command2",  "Command4", "List1",
                                      "Command8", "Command9",  "optEndsum", "optKf",    "optBeginsum",
                                      "Command6", "Command10", "Command5"};
        // Disabled controls are skipped by Tab; walk from Text1.
        QStringList walked;
        QWidget* current = control<QWidget>(w, "Text1");
        for (int i = 0; i < expected.size(); ++i) {
            walked << current->objectName();
            do
                current = current->nextInFocusChain();
            while (!(current->isEnabled() && current->focusPolicy() & Qt::TabFocus && current->isVisibleTo(w)));
        }
        QCOMPARE(walked, expected);
    }

    void accessibleNamesAreCaptionsOrTips()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        QCOMPARE(control<QWidget>(w, "Command1")->accessibleName(), QString("Добавить"));
        QCOMPARE(control<QWidget>(w, "Command8")->accessibleName(),
                 QString("Скопировать коэффициент экспресса в поле 'Коэффициент'"));
        QCOMPARE(control<QWidget>(w, "Command8")->toolTip(),
                 QString("Скопировать текущее  значение коэффициента в поле 'Коэффициент'"));
        QCOMPARE(control<QWidget>(w, "List1")->accessibleName(), QString("Список коэффициентов"));
    }

    void enterInTheCoefficientBoxAdds()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        type(w, "Text1", "1.85");
        QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Return);
        QCOMPARE(control<QListWidget>(w, "List1")->item(0)->text(), QString(" 1.85"));
    }

    void enterOnAnotherButtonClicksThatButton()
    {
        MainWindow form;
        form.load();
        QWidget* w = form.window();
        type(w, "Text1", "2");
        click(w, "Command1");
        control<QListWidget>(w, "List1")->setCurrentRow(0);
        auto* remove = control<QPushButton>(w, "Command2");
        remove->setFocus();
        QTest::keyClick(remove, Qt::Key_Return);
        QCOMPARE(control<QListWidget>(w, "List1")->count(), 0);
    }

    void escapeAndExitAndCloseBoxEndTheProgram_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Выход") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }

    void escapeAndExitAndCloseBoxEndTheProgram()
    {
        QFETCH(int, how);
        MainWindow form;
        bool shownModally = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = form.window();
            shownModally = w && w->isModal();
            if (how == 0)
                click(w, "Command5");
            else if (how == 1)
                QTest::keyClick(control<QLineEdit>(w, "Text1"), Qt::Key_Escape);
            else
                w->close();
        });
        form.showModal();
        QVERIFY(shownModally);
        QVERIFY(!form.isLoaded());
    }

    void helpShowsItsTextEveryTime()
    {
        MainWindow form;
        form.load();
        QStringList texts;
        auto readAndClose = [&texts](QWidget* help) {
            QCOMPARE(help->windowTitle(), QString("Помощь"));
            QCOMPARE(control<QPushButton>(help, "Command1")->text(), QString("OK"));
            texts << caption(help, "Label1");
            click(help, "Command1");
        };
        watcher->onWindow("Form2", readAndClose);
        click(form.window(), "Command10");
        watcher->onWindow("Form2", readAndClose);
        click(form.window(), "Command10");
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts[0], texts[1]);
        const QStringList lines = texts[0].split('\r');
        QCOMPARE(lines.size(), 20);
        QVERIFY(texts[0].startsWith(' '));
        QVERIFY(!texts[0].contains('\n'));
        QCOMPARE(lines[0], QString(" ВНИМАНИЕ!!! : Для правильной работы программы переключите раскладку "
                                   "клавиатуры на английскую или не используйте NumLock."));
        for (int empty : {1, 3, 5, 17})
            QVERIFY2(lines[empty].isEmpty(), qPrintable(QString::number(empty)));
        QCOMPARE(lines[8], lines[13]);
        QCOMPARE(lines[10], lines[15]);
        QCOMPARE(lines[19], QString("Удачи!!!"));
        QVERIFY(lines[18].startsWith("По всем вопросам и пожеланиям - <"));
        QVERIFY(lines[18].endsWith("@example.org>"));
        QVERIFY(!form.helpWindow().isLoaded());
    }
};

ZORET_UI_TEST_MAIN(MainWindowStartup)
#include "test_main_window_startup.moc"
