// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/main_window.h"

#include "ui/main_window/pictures.h"
#include "core/convert.h"
#include "ui/toolkit/fonts.h"
#include "ui/fork_window/fork_window.h"
#include "ui/help_window/help_window.h"

#include <QFont>
#include <QIcon>
#include <QLabel>

namespace zoret::ui {

namespace {

constexpr const char* copyCoefficientTip = "Скопировать текущее  значение коэффициента в поле 'Коэффициент'";

} // namespace

MainWindow::MainWindow()
    : Form("Form4", "Zoret - от Lorvi'а", 8670, 4560), fork_(std::make_unique<ForkWindow>()),
      help_(std::make_unique<HelpWindow>())
{
    bindHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::bindHandlers()
{
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    Command6.onClick([this] { Command6_Click(); });
    Command7.onClick([this] { Command7_Click(); });
    Command8.onClick([this] { Command8_Click(); });
    Command9.onClick([this] { Command9_Click(); });
    Command10.onClick([this] { Command10_Click(); });
    List1.onDblClick([this] { List1_DblClick(); });
    Combo1.onClick([this] { Combo1_Click(); });
    Check1.onClick([this] { Check1_Click(); });
    optEndsum.onClick([this] { optEndsum_Click(); });
    optKf.onClick([this] { optKf_Click(); });
    optBeginsum.onClick([this] { optBeginsum_Click(); });
    ComBatRezult.onClick([this] { ComBatRezult_Click(); });
}

void MainWindow::createControls(QWidget* window)
{
    const LabelStyle centred{Align::Center, false};
    const LabelStyle framed{Align::Left, true};
    const LabelStyle right{Align::Right, false};

    Label2.create(window, "Label2", {120, 120, 1215, 255}, 22, centred);
    Text1.create(window, "Text1", {120, 480, 1215, 285}, 0);
    Command1.create(window, "Command1", {120, 1080, 1215, 375}, 1);
    Command2.create(window, "Command2", {120, 1560, 1215, 375}, 2);
    Command4.create(window, "Command4", {120, 2040, 1215, 375}, 3);
    Command4.setToolTip("Очищение окна от введенных значений");
    Command6.create(window, "Command6", {120, 3120, 1215, 375}, 19);
    Command6.setToolTip("Работа с вилками");
    Command10.create(window, "Command10", {120, 3600, 1215, 375}, 20);
    Command5.create(window, "Command5", {120, 4080, 1215, 375}, 21);
    Command5.setToolTip("Выход из программы");
    Label6.create(window, "Label6", {1440, 120, 975, 255}, 26, centred);
    List1.create(window, "List1", {1440, 480, 975, 3960}, 4);
    List1.setToolTip("Список коэффициентов");
    // The caption needs two lines at this width: the label reaches up and
    // down to the list below it so that both lines stay whole.
    Label5.create(window, "Label5", {2520, 45, 1215, 435}, 24, centred);
    Combo1.create(window, "Combo1", {2520, 480, 1215, 315}, 5);
    Combo1.setToolTip("Размер экспрессов в системе");
    Label7.create(window, "Label7", {2520, 1200, 1695, 375}, 25, framed);
    Label7.setToolTip("Размер системы");
    Label3.create(window, "Label3", {2520, 1560, 1695, 375}, 23, framed);
    Label3.setToolTip("Количество различных вариантов системы");

    Frame3.create(window, "Frame3", {4320, 120, 4215, 975}, 27);
    QWidget* accumulator = Frame3.widget();
    Command3.create(accumulator, "Command3", {120, 360, 1215, 375}, 6);
    Label1.create(accumulator, "Label1", {1440, 360, 1935, 375}, 29, framed);
    Command8.create(accumulator, "Command8", {3480, 360, 615, 375}, 7);
    Command8.setToolTip(copyCoefficientTip);
    Command8.setPicture(downArrowPicture());

    Frame4.create(window, "Frame4", {4320, 1080, 4215, 975}, 28);
    QWidget* system = Frame4.widget();
    Command7.create(system, "Command7", {120, 360, 1215, 375}, 8);
    Label4.create(system, "Label4", {1440, 360, 1935, 375}, 30, framed);
    Command9.create(system, "Command9", {3480, 360, 615, 375}, 9);
    Command9.setToolTip(copyCoefficientTip);
    Command9.setPicture(downArrowPicture());

    Frame1.create(window, "Frame1", {2520, 2160, 6015, 2295}, 10);
    QWidget* stake = Frame1.widget();
    optEndsum.create(stake, "optEndsum", {120, 240, 1815, 255}, 11);
    optEndsum.setToolTip("Посчитать предполагаемый выигрыш");
    optKf.create(stake, "optKf", {2040, 240, 1455, 255}, 12);
    optKf.setToolTip("Вычислить коэффициент");
    optBeginsum.create(stake, "optBeginsum", {3600, 240, 1455, 255}, 13);
    optBeginsum.setToolTip("Посчитать сумму ставки");
    Check1.create(stake, "Check1", {4320, 960, 975, 255}, 17);
    Check1.setToolTip("Если вы работаете с коэффициентом системы - поставьте галочку");
    lbSum.create(stake, "lbSum", {120, 600, 1095, 285}, 33, right);
    textSum.create(stake, "textSum", {1320, 600, 2775, 300}, 14);
    lbKf.create(stake, "lbKf", {120, 960, 1095, 285}, 32, right);
    textKf.create(stake, "textKf", {1320, 960, 2775, 300}, 15);
    lbStavka.create(stake, "lbStavka", {120, 1320, 1095, 285}, 31, right);
    textStavka.create(stake, "textStavka", {1320, 1320, 2775, 300}, 16);
    lbRezultInfo.create(stake, "lbRezultInfo", {120, 1800, 1575, 300}, 35, centred);
    lbRezultInfo.widget()->setFont(designFont("Times New Roman", 8.25));
    lbRezultInfo.label()->setWordWrap(false);
    lbRezultSum.create(stake, "lbRezultSum", {1800, 1800, 2295, 300}, 34, {Align::Center, true});
    lbRezultSum.widget()->setFont(designFont("Arial Narrow", 9.75));
    ComBatRezult.create(stake, "ComBatRezult", {4680, 1800, 855, 315}, 18);

    setDefaultButton(Command1);
    setCancelButton(Command5);
    setTabOrder({&Text1,    &Command1,   &Command2, &Command4,     &List1,    &Combo1,      &Command3,
                 &Command8, &Command7,   &Command9, &optEndsum,    &optKf,    &optBeginsum, &textSum,
                 &textKf,   &textStavka, &Check1,   &ComBatRezult, &Command6, &Command10,   &Command5});
    window->setWindowIcon(windowIcon());
}

void MainWindow::Form_Load()
{
    LoaD1();
    Command1.setCaption("Добавить");
    Command2.setCaption("Удалить");
    Command3.setCaption("Экспресс");
    Frame3.setCaption("Экспресс");
    Command4.setCaption("Убрать все");
    Command5.setCaption("Выход");
    Command6.setCaption("Вилка...");
    Command7.setCaption("Система");
    Frame4.setCaption("Система");
    Command8.setCaption("");
    Command9.setCaption("");
    Command10.setCaption("Помощь...");
    Label2.setCaption("Коэффициенты");
    Label5.setCaption("Кол-во событий системы");
    Frame1.setCaption("Считать...");
    optEndsum.setCaption("Размер выигрыша");
    optKf.setCaption("Коэффициент");
    optBeginsum.setCaption("Размер ставки");
    lbSum.setCaption("Выигрыш");
    lbKf.setCaption("Коэффициент");
    lbStavka.setCaption("Ставка");
    ComBatRezult.setCaption("=");
    Combo1.setEnabled(false);
    Label5.setEnabled(false);
    Check1.setCaption("Система");
}

void MainWindow::LoaD1()
{
    Listic();
    Text1.setText("");
    textSum.setText("");
    textKf.setText("");
    textStavka.setText("");
    textSum.setEnabled(false);
    textKf.setEnabled(false);
    textStavka.setEnabled(false);
    lbSum.setEnabled(false);
    lbKf.setEnabled(false);
    lbStavka.setEnabled(false);
    lbRezultInfo.setCaption("");
    lbRezultInfo.setEnabled(false);
    lbRezultSum.setCaption("0");
    lbRezultSum.setEnabled(false);
    Label1.setCaption("");
    Label3.setCaption("");
    Label4.setCaption("");
    showEventCount();
    Label7.setCaption("");
    Combo1.clear();
    List1.clear();
    Command3.setEnabled(false);
    Command7.setEnabled(false);
    ComBatRezult.setBold(true);
    ComBatRezult.setFontSize(12);
    ComBatRezult.setEnabled(false);
    Combo1.setEnabled(false);
    Label5.setEnabled(false);
    optEndsum.setValue(false);
    optKf.setValue(false);
    optBeginsum.setValue(false);
    Check1.setEnabled(false);
    Check1.setValue(0);
    winAmount = 0;
    coefficient = 0;
    stakeAmount = 0;
    resultAmount = 0;
    systemOdds = 0;
    accumulatorOdds = 0;
    systemTicked = false;
}

void MainWindow::showEventCount() { Label6.setCaption("( " + CStr(eventCount) + " )"); }

void MainWindow::Command5_Click() { unload(); }

void MainWindow::Command6_Click() { fork_->showModal(window()); }

void MainWindow::Command10_Click() { help_->showModal(window()); }

} // namespace zoret::ui
