// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fork_window/fork_window.h"

#include "core/convert.h"

#include <QFont>
#include <QLabel>
#include <QPalette>

namespace zoret::ui {

namespace {

// Value labels sit on the colour of a scroll-bar track. Qt has no role for
// it and its button colour is often the window colour itself, so take the
// shade the common styles paint a track with: the button colour, darkened.
void styleValueLabel(Label& label)
{
    QLabel* widget = label.label();
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button).darker(112));
    widget->setPalette(palette);
}

} // namespace

ForkWindow::ForkWindow() : Form("Form1", "Zoret", 7695, 3150)
{
    Combo1.onClick([this] { Combo1_Click(); });
    Check1.onClick([this] { Check1_Click(); });
    Check2.onClick([this] { Check2_Click(); });
    Check3.onClick([this] { Check3_Click(); });
    Check4.onClick([this] { Check4_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command5.onClick([this] { Command5_Click(); });
}

std::array<TextBox*, 4> ForkWindow::oddsBoxes() { return {&Text1, &Text2, &Text3, &Text4}; }
std::array<Label*, 4> ForkWindow::stakeLabels() { return {&Label9, &Label10, &Label11, &Label12}; }
std::array<Label*, 4> ForkWindow::payoutLabels() { return {&Label19, &Label20, &Label21, &Label22}; }
std::array<CheckBox*, 4> ForkWindow::centringBoxes() { return {&Check1, &Check2, &Check3, &Check4}; }

void ForkWindow::createControls(QWidget* window)
{
    const LabelStyle left{Align::Left, false};
    const LabelStyle centred{Align::Center, false};
    const LabelStyle right{Align::Right, false};
    const LabelStyle valueRight{Align::Right, true};
    const LabelStyle valueCentred{Align::Center, true};

    Combo1.create(window, "Combo1", {1680, 2160, 975, 315}, 0);
    const std::array<const char*, 4> oddsNames{"Text1", "Text2", "Text3", "Text4"};
    const std::array<const char*, 4> outcomeNames{"Label1", "Label2", "Label3", "Label4"};
    const std::array<const char*, 4> stakeNames{"Label9", "Label10", "Label11", "Label12"};
    const std::array<const char*, 4> payoutNames{"Label19", "Label20", "Label21", "Label22"};
    const std::array<int, 4> payoutTabs{33, 30, 31, 32};
    for (int i = 0; i < 4; ++i) {
        const int top = 360 + 360 * i;
        const auto at = static_cast<std::size_t>(i);
        oddsBoxes()[at]->create(window, oddsNames[at], {1680, top, 1215, 285}, 1 + i);
        oddsBoxes()[at]->setEnabled(false);
        Label* outcome[] = {&Label1, &Label2, &Label3, &Label4};
        outcome[i]->create(window, outcomeNames[at], {120, top, 1455, 255}, 37 - i, left);
        // "1-ый коэффициент" needs the whole width at the usual size and
        // would wrap out of sight: a little smaller keeps it on one line.
        QFont smaller = outcome[i]->widget()->font();
        smaller.setPointSizeF(7.5);
        outcome[i]->widget()->setFont(smaller);
        outcome[i]->setEnabled(false);
        stakeLabels()[at]->create(window, stakeNames[at], {3000, top, 1455, 285}, 18 + i, valueRight);
        styleValueLabel(*stakeLabels()[at]);
        payoutLabels()[at]->create(window, payoutNames[at], {4560, top, 1455, 285}, payoutTabs[at], valueRight);
        styleValueLabel(*payoutLabels()[at]);
    }
    Command5.create(window, "Command5", {3000, 2040, 1095, 375}, 5);
    Command5.setEnabled(false);
    Text5.create(window, "Text5", {1680, 2760, 975, 285}, 6);
    Text5.setEnabled(false);
    Command4.create(window, "Command4", {3000, 2640, 1095, 375}, 7);
    Command4.setEnabled(false);

    Frame1.create(window, "Frame1", {6120, 120, 1455, 1695}, 26);
    const std::array<const char*, 4> checkNames{"Check1", "Check2", "Check3", "Check4"};
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        centringBoxes()[at]->create(Frame1.widget(), checkNames[at], {120, 240 + 360 * i, 1215, 255}, 8 + i);
        centringBoxes()[at]->setEnabled(false);
    }
    Command1.create(window, "Command1", {120, 2040, 1095, 375}, 12);
    Command2.create(window, "Command2", {120, 2640, 1095, 375}, 13);

    Label18.create(window, "Label18", {1680, 120, 1215, 255}, 28, left);
    Label17.create(window, "Label17", {3000, 120, 1455, 255}, 27, right);
    Label23.create(window, "Label23", {4560, 120, 1455, 255}, 29, right);
    Label15.create(window, "Label15", {1680, 1920, 1095, 255}, 24, left);
    Label16.create(window, "Label16", {1680, 2520, 615, 255}, 25, left);
    Label16.setEnabled(false);
    Label5.create(window, "Label5", {4320, 2040, 975, 255}, 14, centred);
    Label7.create(window, "Label7", {4320, 2400, 975, 255}, 16, centred);
    Label13.create(window, "Label13", {4320, 2760, 975, 255}, 22, centred);
    Label6.create(window, "Label6", {5400, 2040, 2175, 255}, 15, valueCentred);
    Label8.create(window, "Label8", {5400, 2400, 2175, 255}, 17, valueCentred);
    Label14.create(window, "Label14", {5400, 2760, 2175, 255}, 23, valueCentred);
    for (Label* label : {&Label5, &Label7, &Label13, &Label6, &Label8, &Label14})
        label->setEnabled(false);
    for (Label* label : {&Label6, &Label8, &Label14})
        styleValueLabel(*label);

    setDefaultButton(Command4);
    setCancelButton(Command2);
    setTabOrder({&Combo1, &Text1, &Text2, &Text3, &Text4, &Command5, &Text5, &Command4, &Check1, &Check2, &Check3,
                 &Check4, &Command1, &Command2});
}

void ForkWindow::Form_Load()
{
    LoaD2();
    for (const char* item : {"2", "3", "4"})
        Combo1.addItem(item);
    Label1.setCaption("1-ый коэффициент");
    Label2.setCaption("2-ой коэффициент");
    Label3.setCaption("3-ий коэффициент");
    Label4.setCaption("4-ый коэффициент");
    Check1.setCaption("1-ый коэф.");
    Check2.setCaption("2-ой коэф.");
    Check3.setCaption("3-ий коэф.");
    Check4.setCaption("4-ый коэф.");
    Label5.setCaption("Маржа");
    Label13.setCaption("Итог");
    Label15.setCaption("Размер вилки");
    Label16.setCaption("Сумма");
    Label17.setCaption("Ставка");
    Label18.setCaption("Коэффициенты");
    Label23.setCaption("Выигрыш");
    Frame1.setCaption("Центрирование");
    Command1.setCaption("Очистить");
    Command2.setCaption("ОК");
    Command5.setCaption("Маржа");
    Command4.setCaption("Сумма");
}

void ForkWindow::LoaD2()
{
    for (TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text5})
        box->setText("");
    Label7.setCaption("");
    for (Label* label :
         {&Label9, &Label10, &Label11, &Label12, &Label19, &Label20, &Label21, &Label22, &Label6, &Label14})
        label->setCaption("0");
    Label8.setCaption("Норма");
    forkOdds = {};
    margin = 0;
    totalReturn = 0;
    for (CheckBox* box : centringBoxes())
        box->setValue(0);
    centreCode = {5, 6, 7, 8};
    Frame1.setEnabled(false);
    Label16.setEnabled(false);
    Text5.setEnabled(false);
    Command4.setEnabled(false);
}

void ForkWindow::Combo1_Click()
{
    const double chosen = CDbl(Combo1.text());
    // The list offers only 2, 3 and 4.
    if (chosen != 2 && chosen != 3 && chosen != 4)
        return;
    const auto outcomes = static_cast<Integer>(chosen);
    for (Control* control : std::initializer_list<Control*>{&Text3, &Label3, &Check3})
        control->setEnabled(outcomes >= 3);
    for (Control* control : std::initializer_list<Control*>{&Text4, &Label4, &Check4})
        control->setEnabled(outcomes >= 4);
    forkSize = outcomes;
    for (Control* control : std::initializer_list<Control*>{&Text1, &Text2, &Label1, &Label2, &Check1, &Check2})
        control->setEnabled(true);
    Frame1.setEnabled(false);
    Command4.setEnabled(false);
    Command5.setEnabled(true);
    for (Label* label : {&Label5, &Label6, &Label7, &Label8, &Label13, &Label14})
        label->setEnabled(true);
}

void ForkWindow::centringChanged(int outcome)
{
    const auto at = static_cast<std::size_t>(outcome - 1);
    centreCode[at] = static_cast<Integer>(centringBoxes()[at]->value() == 1 ? outcome : outcome + 4);
}

void ForkWindow::Check1_Click() { centringChanged(1); }
void ForkWindow::Check2_Click() { centringChanged(2); }
void ForkWindow::Check3_Click() { centringChanged(3); }
void ForkWindow::Check4_Click() { centringChanged(4); }

void ForkWindow::Command1_Click()
{
    LoaD2();
    Combo1.setFocus();
}

void ForkWindow::Command2_Click() { unload(); }

} // namespace zoret::ui
