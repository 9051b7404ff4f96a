// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fork_window/fork_window.h"

#include "core/convert.h"

namespace zoret::ui {

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
    nameForReaders();
}

// What a screen reader says where a caption alone would not do: the values
// by what they show and the two buttons that share a caption with a box or a
// value.
void ForkWindow::nameForReaders()
{
    Label1.names(Text1);
    Label2.names(Text2);
    Label3.names(Text3);
    Label4.names(Text4);
    Label16.names(Text5);
    Label15.names(Combo1);
    Label6.setReaderName("Маржа");
    Label7.setReaderName("Дырка (%)");
    Label8.setReaderName("Дырка (%)");
    Label14.setReaderName("Итог");
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string outcome = CStr(static_cast<Integer>(i + 1));
        stakeLabels()[i]->setReaderName("Ставка на исход " + outcome);
        payoutLabels()[i]->setReaderName("Выигрыш при исходе " + outcome);
    }
    Command5.setReaderName("Маржа: вычислить");
    Command4.setReaderName("Сумма: разделить по исходам");
}

std::array<TextBox*, 4> ForkWindow::oddsBoxes() { return {&Text1, &Text2, &Text3, &Text4}; }
std::array<Label*, 4> ForkWindow::stakeLabels() { return {&Label9, &Label10, &Label11, &Label12}; }
std::array<Label*, 4> ForkWindow::payoutLabels() { return {&Label19, &Label20, &Label21, &Label22}; }
std::array<CheckBox*, 4> ForkWindow::centringBoxes() { return {&Check1, &Check2, &Check3, &Check4}; }

Layout ForkWindow::layout()
{
    using enum Style;
    // "1-ый коэффициент" needs the whole width at the usual size and would
    // wrap out of sight: a little smaller keeps the outcome names on one line.
    const FontChoice smaller{nullptr, 7.5};
    const Style stake = RightAligned | Framed | Shaded | Value;
    const Style result = Centred | Framed | Shaded | Off | Value;
    return {
        {Combo1, "Combo1", inWindow, {1680, 2160, 975, 315}, 0},
        {Text1, "Text1", inWindow, {1680, 360, 1215, 285}, 1, Off},
        {Label1, "Label1", inWindow, {120, 360, 1455, 255}, 37, Off, {}, smaller},
        {Label9, "Label9", inWindow, {3000, 360, 1455, 285}, 18, stake},
        {Label19, "Label19", inWindow, {4560, 360, 1455, 285}, 33, stake},
        {Text2, "Text2", inWindow, {1680, 720, 1215, 285}, 2, Off},
        {Label2, "Label2", inWindow, {120, 720, 1455, 255}, 36, Off, {}, smaller},
        {Label10, "Label10", inWindow, {3000, 720, 1455, 285}, 19, stake},
        {Label20, "Label20", inWindow, {4560, 720, 1455, 285}, 30, stake},
        {Text3, "Text3", inWindow, {1680, 1080, 1215, 285}, 3, Off},
        {Label3, "Label3", inWindow, {120, 1080, 1455, 255}, 35, Off, {}, smaller},
        {Label11, "Label11", inWindow, {3000, 1080, 1455, 285}, 20, stake},
        {Label21, "Label21", inWindow, {4560, 1080, 1455, 285}, 31, stake},
        {Text4, "Text4", inWindow, {1680, 1440, 1215, 285}, 4, Off},
        {Label4, "Label4", inWindow, {120, 1440, 1455, 255}, 34, Off, {}, smaller},
        {Label12, "Label12", inWindow, {3000, 1440, 1455, 285}, 21, stake},
        {Label22, "Label22", inWindow, {4560, 1440, 1455, 285}, 32, stake},
        {Command5, "Command5", inWindow, {3000, 2040, 1095, 375}, 5, Off},
        {Text5, "Text5", inWindow, {1680, 2760, 975, 285}, 6, Off},
        {Command4, "Command4", inWindow, {3000, 2640, 1095, 375}, 7, Off | DefaultButton},

        {Frame1, "Frame1", inWindow, {6120, 120, 1455, 1695}, 26},
        {Check1, "Check1", &Frame1, {120, 240, 1215, 255}, 8, Off},
        {Check2, "Check2", &Frame1, {120, 600, 1215, 255}, 9, Off},
        {Check3, "Check3", &Frame1, {120, 960, 1215, 255}, 10, Off},
        {Check4, "Check4", &Frame1, {120, 1320, 1215, 255}, 11, Off},

        {Command1, "Command1", inWindow, {120, 2040, 1095, 375}, 12},
        {Command2, "Command2", inWindow, {120, 2640, 1095, 375}, 13, CancelButton},
        {Label18, "Label18", inWindow, {1680, 120, 1215, 255}, 28},
        {Label17, "Label17", inWindow, {3000, 120, 1455, 255}, 27, RightAligned},
        {Label23, "Label23", inWindow, {4560, 120, 1455, 255}, 29, RightAligned},
        {Label15, "Label15", inWindow, {1680, 1920, 1095, 255}, 24},
        {Label16, "Label16", inWindow, {1680, 2520, 615, 255}, 25, Off},
        {Label5, "Label5", inWindow, {4320, 2040, 975, 255}, 14, Centred | Off},
        {Label7, "Label7", inWindow, {4320, 2400, 975, 255}, 16, Centred | Off},
        {Label13, "Label13", inWindow, {4320, 2760, 975, 255}, 22, Centred | Off},
        {Label6, "Label6", inWindow, {5400, 2040, 2175, 255}, 15, result},
        {Label8, "Label8", inWindow, {5400, 2400, 2175, 255}, 17, result},
        {Label14, "Label14", inWindow, {5400, 2760, 2175, 255}, 23, result},
    };
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
