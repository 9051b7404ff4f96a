// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the odds list handlers of the main window with a long list: adding
// and removing the 5,000th event must cost about what the 50th does, since
// only the end of the size list changes.
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Driver {
    QWidget* window;
    QLineEdit* text = window->findChild<QLineEdit*>("Text1");
    QPushButton* add = window->findChild<QPushButton*>("Command1");
    QPushButton* remove = window->findChild<QPushButton*>("Command2");
    QListWidget* list = window->findChild<QListWidget*>("List1");

    void addOne()
    {
        text->setText("1.5");
        add->click();
    }

    void selectLast() { list->setCurrentRow(list->count() - 1); }
    void removeSelected() { remove->click(); }
};

double microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// Median time of adding the n-th event and of removing it again.
std::pair<double, double> timeAt(Driver& driver, int n, int repeats)
{
    while (driver.list->count() < n - 1)
        driver.addOne();
    std::vector<double> adds, removes;
    for (int i = 0; i < repeats; ++i) {
        auto start = Clock::now();
        driver.addOne();
        adds.push_back(microseconds(Clock::now() - start));
        driver.selectLast(); // the user's click on the item is not the handler's work
        start = Clock::now();
        driver.removeSelected();
        removes.push_back(microseconds(Clock::now() - start));
    }
    std::nth_element(adds.begin(), adds.begin() + repeats / 2, adds.end());
    std::nth_element(removes.begin(), removes.begin() + repeats / 2, removes.end());
    return {adds[repeats / 2], removes[repeats / 2]};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zoret::ui::MainWindow form;
    form.load();
    Driver driver{form.window()};

    const auto [add50, remove50] = timeAt(driver, 50, 101);
    const auto [add5000, remove5000] = timeAt(driver, 5000, 101);
    std::printf("add the 50th event:      %8.1f us\n", add50);
    std::printf("remove the 50th event:   %8.1f us\n", remove50);
    std::printf("add the 5000th event:    %8.1f us (%.2fx the 50th)\n", add5000, add5000 / add50);
    std::printf("remove the 5000th event: %8.1f us (%.2fx the 50th)\n", remove5000, remove5000 / remove50);
    return 0;
}
