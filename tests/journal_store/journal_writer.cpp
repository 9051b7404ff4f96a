// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// journal_writer TAG [COUNT]: adds bets noted "TAG n" to the journal of
// XDG_DATA_HOME, COUNT of them or until killed, printing each id as soon as
// its bet is committed.
#include "core/exact_decimal.h"
#include "ui/journal_store/journal_store.h"

#include <QCoreApplication>

#include <charconv>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Zoret");
    zoret::ui::JournalStore store;
    if (argc < 2 || store.open() != zoret::ui::JournalState::Ready)
        return std::fprintf(stderr, "%s\n", store.message().c_str()), 1;
    long long count = -1;
    if (argc > 2)
        std::from_chars(argv[2], argv[2] + std::strlen(argv[2]), count);
    for (long long n = 0; n != count; ++n) {
        zoret::JournalBet bet{
            0,
            "2026-12-07 10:15:00",
            "Лига",
            std::string(argv[1]) + " " + zoret::countText(n),
            {zoret::BetKind::Accumulator, 0},
            "100,50",
            zoret::SumMode::PerLine,
            {{" 1.85", zoret::Outcome::Won, false, "первое"}, {" 2.1", zoret::Outcome::Open, false, ""}}};
        const auto id = store.add(bet);
        if (!id)
            return std::fprintf(stderr, "%s\n", store.message().c_str()), 1;
        std::printf("%s\n", zoret::countText(*id).c_str());
        std::fflush(stdout);
    }
}
