// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/odds_formats_window/odds_formats_window.h"

#include <algorithm>
#include <iterator>

namespace zoret::ui {

namespace {

// The controls of each format's line, in oddsFormatOrder. A screen reader
// names each figure apart from the format the drop-down shows.
struct FormatNames {
    const char* caption;
    const char* value;
    const char* valueReader;
    const char* copy;
    const char* copyReader;
};

constexpr FormatNames formatNames[] = {
    {"lbDecimalCaption", "lbDecimal", "Десятичный коэффициент", "CopyDecimal", "Копировать десятичный"},
    {"lbFractionalCaption", "lbFractional", "Дробный коэффициент", "CopyFractional", "Копировать дробный"},
    {"lbAmericanCaption", "lbAmerican", "Американский коэффициент", "CopyAmerican", "Копировать американский"},
    {"lbHongKongCaption", "lbHongKong", "Гонконгский коэффициент", "CopyHongKong", "Копировать гонконгский"},
    {"lbMalayCaption", "lbMalay", "Малайский коэффициент", "CopyMalay", "Копировать малайский"},
    {"lbIndonesianCaption", "lbIndonesian", "Индонезийский коэффициент", "CopyIndonesian", "Копировать индонезийский"},
    {"lbProbabilityCaption", "lbProbability", "Вероятность в процентах", "CopyProbability", "Копировать вероятность"},
};
static_assert(std::size(formatNames) == oddsFormatOrder.size());

constexpr int firstRowTab = 2;

} // namespace

OddsFormatsWindow::OddsFormatsWindow() : Form("Form11", "Форматы коэффициентов", 6600, 4600, Sizing::Resizable)
{
    Combo1.onClick([this] { Combo1_Click(); });
    Text1.onChange([this] { Text1_Change(); });
    Command1.onClick([this] { unload(); });
    lbFormatCaption.names(Combo1);
    lbValueCaption.names(Text1);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        FormatRow& row = rows_[i];
        row.caption.names(row.value);
        row.value.setReaderName(formatNames[i].valueReader);
        row.copy.setReaderName(formatNames[i].copyReader);
        row.copy.onClick([this, i] { copyToClipboard(rows_[i].value.caption()); });
    }
    lbNote.setReaderName("Замечание");
}

Layout OddsFormatsWindow::layout()
{
    using enum Style;
    Layout layout{
        {lbFormatCaption, "lbFormatCaption", inWindow, {}, 20},
        {Combo1, "Combo1", inWindow, {0, 0, 1900, 0}, 0, Plain, "В каком формате вводится коэффициент"},
        {lbValueCaption, "lbValueCaption", inWindow, {}, 21},
        {Text1, "Text1", inWindow, {0, 0, 1500, 0}, 1, Plain, "Коэффициент в выбранном формате"},
    };
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        FormatRow& row = rows_[i];
        const int tab = firstRowTab + 2 * static_cast<int>(i);
        layout.push_back({row.caption, formatNames[i].caption, inWindow, {0, 0, 1900, 0}, 22});
        layout.push_back({row.value,
                          formatNames[i].value,
                          inWindow,
                          {0, 0, 2000, 0},
                          tab,
                          RightAligned | Framed | Value,
                          "Коэффициент в этом формате"});
        layout.push_back({row.copy, formatNames[i].copy, inWindow, {0, 0, 1300, 0}, tab + 1, Off});
    }
    layout.push_back({lbNote, "lbNote", inWindow, {}, 16});
    layout.push_back({Command1, "Command1", inWindow, {0, 0, 1200, 0}, 17, DefaultButton | CancelButton});
    return layout;
}

Arrangement OddsFormatsWindow::arrangement()
{
    Arrangement lines{{{&lbFormatCaption, &Combo1, &lbValueCaption, &Text1, gap}}};
    for (FormatRow& row : rows_)
        lines.push_back({{&row.caption, &row.value, &row.copy, gap}});
    lines.push_back({{&lbNote}, true});
    lines.push_back({{gap, &Command1}});
    return lines;
}

void OddsFormatsWindow::Form_Load()
{
    lbFormatCaption.setCaption("Формат");
    lbValueCaption.setCaption("Значение");
    Command1.setCaption("ОК");
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].caption.setCaption(oddsFormatCaption(oddsFormatOrder[i]));
        rows_[i].copy.setCaption("Копировать");
        Combo1.addItem(oddsFormatCaption(oddsFormatOrder[i]));
    }
    Combo1.setListIndex(static_cast<int>(
        std::distance(oddsFormatOrder.begin(), std::find(oddsFormatOrder.begin(), oddsFormatOrder.end(), format_))));
    Text1.setText(text_);
    recompute();
    Text1.setFocus();
}

// The text stays as typed and is read in the format chosen.
void OddsFormatsWindow::Combo1_Click()
{
    format_ = oddsFormatOrder[static_cast<std::size_t>(
        std::clamp(Combo1.listIndex(), 0, static_cast<int>(oddsFormatOrder.size()) - 1))];
    recompute();
}

void OddsFormatsWindow::Text1_Change()
{
    text_ = Text1.text();
    recompute();
}

void OddsFormatsWindow::recompute()
{
    const OddsFormatsCaptions captions = oddsFormatsCaptions(format_, text_);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].value.setCaption(captions.texts[i]);
        rows_[i].copy.setEnabled(!captions.texts[i].empty());
    }
    lbNote.setCaption(captions.note);
}

} // namespace zoret::ui
