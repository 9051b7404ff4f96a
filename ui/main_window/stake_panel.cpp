#include "ui/main_window/main_window.h"

#include "core/convert.h"
#include "ui/toolkit/message_box.h"

namespace zoret::ui {

namespace {

constexpr const char* chooseSystemSize = "Выберите размер системы";

} // namespace

void MainWindow::optBeginsum_Click()
{
    textSum.setEnabled(true);
    textKf.setEnabled(true);
    textStavka.setEnabled(false);
    lbRezultInfo.setEnabled(true);
    lbRezultSum.setEnabled(true);
    lbSum.setEnabled(true);
    lbKf.setEnabled(true);
    lbStavka.setEnabled(false);
    ComBatRezult.setEnabled(true);
    lbRezultInfo.setCaption("Ставка равна");
    Check1.setEnabled(true);
}

void MainWindow::optEndsum_Click()
{
    textSum.setEnabled(false);
    textKf.setEnabled(true);
    textStavka.setEnabled(true);
    lbRezultInfo.setEnabled(true);
    lbRezultSum.setEnabled(true);
    ComBatRezult.setEnabled(true);
    lbSum.setEnabled(false);
    lbKf.setEnabled(true);
    lbStavka.setEnabled(true);
    lbRezultInfo.setCaption("Выигрыш равен");
    Check1.setEnabled(true);
}

void MainWindow::optKf_Click()
{
    textSum.setEnabled(true);
    textKf.setEnabled(false);
    textStavka.setEnabled(true);
    lbRezultInfo.setEnabled(true);
    lbRezultSum.setEnabled(true);
    lbSum.setEnabled(true);
    lbKf.setEnabled(false);
    lbStavka.setEnabled(true);
    ComBatRezult.setEnabled(true);
    lbRezultInfo.setCaption("Коэффициент равен");
    Check1.setEnabled(false);
}

// The reading procedures fill the working values of one calculation; the
// handler commits them only when the whole calculation has succeeded.
MainWindow::StakeInputs MainWindow::TTe() const
{
    StakeInputs in;
    in.coefficient = Val(textKf.text());
    const double stake = Val(textStavka.text());
    in.stake = systemTicked ? divide(stake, systemVariantCount) : stake;
    return in;
}

MainWindow::StakeInputs MainWindow::TTk() const
{
    StakeInputs in;
    in.win = Val(textSum.text());
    in.stake = Val(textStavka.text());
    return in;
}

MainWindow::StakeInputs MainWindow::TTs() const
{
    StakeInputs in;
    in.coefficient = Val(textKf.text());
    const double win = Val(textSum.text());
    in.win = systemTicked ? checked(systemVariantCount * win) : win;
    return in;
}

void MainWindow::ComBatRezult_Click()
{
    StakeInputs in;
    double result = 0;
    // A whole-system sum needs the number of accumulators of an evaluated
    // system; without one there is no answer to show.
    const bool systemUnknown = systemTicked && systemVariantCount == 0;
    if (optEndsum.value()) {
        if (systemUnknown) {
            MsgBox(window(), chooseSystemSize);
            return;
        }
        in = TTe();
        result = checked(in.stake * in.coefficient);
    } else if (optKf.value()) {
        in = TTk();
        if (Val(textStavka.text()) == 0) {
            commitStakeInputs(in, 0);
            MsgBox(window(), "Впишите размер ставки");
            textStavka.setFocus();
            return;
        }
        result = divide(in.win, in.stake);
    } else {
        in = TTs();
        if (Val(textKf.text()) == 0) {
            commitStakeInputs(in, 0);
            MsgBox(window(), "Впишите коэффициент");
            textKf.setFocus();
            return;
        }
        if (systemUnknown) {
            MsgBox(window(), chooseSystemSize);
            return;
        }
        result = divide(in.win, in.coefficient);
    }
    const std::string shown = Str(result);
    commitStakeInputs(in, result);
    lbRezultSum.setCaption(shown);
}

void MainWindow::commitStakeInputs(const StakeInputs& in, double result)
{
    winAmount = in.win;
    coefficient = in.coefficient;
    stakeAmount = in.stake;
    resultAmount = result;
}

} // namespace zoret::ui
