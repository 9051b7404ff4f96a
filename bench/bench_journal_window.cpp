// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the journal window as the user meets it over the journal of
// XDG_DATA_HOME (journal_generator writes one): from "Журнал ставок..." to
// the window's first paint, with its first rows; to the window filled with
// every bet, the statistics and the curve, and painted again; and from a
// period picked to the window painted again.
#include "bench/timing.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using zoret::bench::Clock;
using zoret::bench::median;
using zoret::bench::milliseconds;
using zoret::bench::timed;

// Notes when the journal window's first paint is over: the timer runs
// behind the paint, and before anything the window queues after it.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted && watched->objectName() == "Form6") {
            painted = true;
            QTimer::singleShot(0, [this] { at = Clock::now(); });
        }
        return false;
    }
    bool painted = false;
    Clock::time_point at;
};

// A period picked as the user picks it, then the whole window painted.
double pickPeriod(QWidget* journal, int index)
{
    auto* combo = journal->findChild<QComboBox*>("Combo1");
    return timed([&] {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        journal->grab();
    });
}

struct Opening {
    double firstPaint;
    double filled; // and painted
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zoret");
    // The window's remembered size and widths go to settings of the run's own.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    zoret::ui::MainWindow form;
    form.load();
    form.window()->show(); // its menu bar is made as it is shown

    std::vector<Opening> openings;
    std::vector<double> filtered;
    for (int run = 0; run < 5; ++run) {
        FirstPaint paint;
        app.installEventFilter(&paint);
        // The item's handler is queued: the window opens in the loop below.
        // What closing the window before left behind: its size and column
        // widths written to the settings.
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        form.window()->findChild<QAction*>("actionJournal")->trigger();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* journal = QApplication::activeModalWidget();
            if (Clock::now() - start > std::chrono::minutes(1)) {
                std::fprintf(stderr, "the journal window is not filled after a minute\n");
                std::exit(1);
            }
            if (!journal || !paint.painted || journal->cursor().shape() == Qt::BusyCursor)
                return;
            poll.stop();
            journal->grab();
            openings.push_back({milliseconds(paint.at - start), milliseconds(Clock::now() - start)});
            for (int i = 0; i < 4; ++i)
                filtered.push_back(pickPeriod(journal, (i + 1) % 4));
            journal->findChild<QPushButton*>("Command2")->click();
        });
        poll.start(1);
        QCoreApplication::processEvents();
        app.removeEventFilter(&paint);
    }
    std::vector<double> painted, filled;
    for (const Opening& o : openings)
        painted.push_back(o.firstPaint), filled.push_back(o.filled);
    std::printf("first rows painted:               %8.2f ms (median of 5)\n", median(painted));
    std::printf("every bet, statistics, painted:   %8.2f ms (median of 5)\n", median(filled));
    std::printf("a period picked, painted:         %8.2f ms (median of 20)\n", median(filtered));
    return 0;
}
