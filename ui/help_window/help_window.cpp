// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help_window/help_window.h"

#include <array>
#include <string>
#include <string_view>

namespace zoret::ui {

namespace {

constexpr std::array<std::string_view, 20> helpLines = {
    " ВНИМАНИЕ!!! : Для правильной работы программы переключите раскладку клавиатуры на английскую или не "
    "используйте NumLock.",
    "",
    " Кнопка в полях 'Система' и 'Экспресс' (черная стрелка, показывающая вниз) добавляет вычисленный "
    "коэффициент в поле 'Коэффициент' для последующих вычислений.",
    "",
    "Двойной клик на коэффициенте в списке удаляет этот коэффициент из списка.",
    "",
    "ДЛЯ ПОЛЯ 'СЧИТАТЬ...' :Для удобства расчетов с коэффициентом системы поставьте галочку 'Система'",
    " ВЫЧИСЛЕНИЕ ВЫИГРЫША-",
    "При снятой галочке 'Система' -",
    "Пишите сумму ставки на один вариант системы.",
    "При стоящей галочке 'Система' -",
    "Пишите всю сумму на систему - программа сама поделит введенную вами сумму на количество экспрессов в "
    "системе.",
    "ВЫЧИСЛЕНИЕ СУММЫ СТАВКИ -",
    "При снятой галочке 'Система' -",
    "В поле ответов программа покажет сумму ставки на один вариант системы.",
    "При стоящей галочке 'Система' -",
    "В поле ответов программа покажет всю сумму, которую необходимо поставить на систему.",
    "",
    "По всем вопросам и пожеланиям - <zoret@example.org>",
    "Удачи!!!",
};

// The twenty lines joined by carriage returns, which the label shows as
// line breaks.
std::string helpText()
{
    std::string text;
    for (std::size_t i = 0; i < helpLines.size(); ++i) {
        if (i > 0)
            text += '\r';
        text += helpLines[i];
    }
    return text;
}

} // namespace

HelpWindow::HelpWindow() : Form("Form2", "Помощь", 5070, 6495)
{
    Command1.onClick([this] { Command1_Click(); });
}

Layout HelpWindow::layout()
{
    using enum Style;
    return {
        {Label1, "Label1", inWindow, {135, 120, 4815, 5775}, 0, Framed},
        {Command1, "Command1", inWindow, {1868, 6000, 1335, 375}, 1, DefaultButton | CancelButton},
    };
}

void HelpWindow::Form_Load() { XXX(); }

void HelpWindow::XXX()
{
    setCaption("Помощь");
    Command1.setCaption("OK");
    Label1.setCaption(helpText());
}

void HelpWindow::Command1_Click() { unload(); }

} // namespace zoret::ui
