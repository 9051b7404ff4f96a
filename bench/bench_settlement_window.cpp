// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the settlement window as the user meets it: opening it for 20 and
// for 5,000 events, and answering one change (a digit of the sum, a result
// picked) with everything it shows recomputed.
#include "bench/timing.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

using zoret::bench::Clock;
using zoret::bench::median;
using zoret::bench::milliseconds;
using zoret::bench::timed;

void addEvents(QWidget* main, int count)
{
    auto* text = main->findChild<QLineEdit*>("Text1");
    auto* add = main->findChild<QPushButton*>("Command1");
    const char* odds[] = {"1.9", "2.05", "2.5", "1.75", "3.1"};
    for (int i = 0; i < count; ++i) {
        text->setText(odds[i % 5]);
        add->click();
    }
}

// A user's edit of the sum and pick of a result, as the widgets report them.
void typeSum(QWidget* window, const QString& sum)
{
    auto* edit = window->findChild<QLineEdit*>("Text1");
    edit->setText(sum);
    emit edit->textEdited(sum);
}

void pickItem(QWidget* window, const char* name, int index)
{
    auto* combo = window->findChild<QComboBox*>(name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

double timeOf(const std::function<void()>& change, int repeats)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        times.push_back(timed(change));
    }
    return median(times);
}

// Opens the window for `events` events; `inside` runs in it. Returns the
// time from the click to the window's first turn of its event loop.
double openWith(int events, const std::function<void(QWidget*)>& inside)
{
    zoret::ui::MainWindow form;
    form.load();
    addEvents(form.window(), events);
    Clock::time_point start;
    double opened = 0;
    QTimer::singleShot(0, [&] {
        opened = milliseconds(Clock::now() - start);
        QWidget* settlement = QApplication::activeModalWidget();
        inside(settlement);
        settlement->findChild<QPushButton*>("Command1")->click();
    });
    start = Clock::now();
    form.window()->findChild<QPushButton*>("Command11")->click();
    return opened;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    double typed20 = 0, picked20 = 0, typed5000 = 0;
    const double open20 = openWith(20, [&](QWidget* w) {
        pickItem(w, "Combo1", 9); // Система 20/10
        pickItem(w, "Result1", 1);
        typed20 = timeOf([w] { typeSum(w, "1000"); }, 51);
        int outcome = 0;
        picked20 = timeOf([&] { pickItem(w, "Result2", outcome++ % 6); }, 51);
    });
    const double open5000 = openWith(5000, [&](QWidget* w) { typed5000 = timeOf([w] { typeSum(w, "10"); }, 11); });
    std::printf("open with 20 events:              %8.2f ms\n", open20);
    std::printf("type the sum, system 20/10:       %8.2f ms\n", typed20);
    std::printf("pick a result, system 20/10:      %8.2f ms\n", picked20);
    std::printf("open with 5000 events:            %8.2f ms\n", open5000);
    std::printf("type the sum, 5000-event accum.:  %8.2f ms\n", typed5000);
    return 0;
}
