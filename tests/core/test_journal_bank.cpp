// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bank_movement.h"
#include "core/exact_decimal.h"
#include "core/journal_csv.h"
#include "core/text_encoding.h"
#include "tests/core/journal_rows.h"
#include "tests/core/rows.h"

#include <vector>

using namespace zoret;

namespace {

constexpr auto deposit = MovementKind::Deposit, withdrawal = MovementKind::Withdrawal;

BankMovement move(const char* bookmaker, MovementKind kind, const char* amount, const char* note = "",
                  const char* at = "2026-12-07 10:00:00")
{
    return {0, at, bookmaker, kind, amount, note};
}
JournalBet single(const char* bookmaker, const char* sum, Outcome outcome)
{
    return bet({BetKind::Single, 0}, sum, {ev(" 2", outcome)}, SumMode::PerLine, "2026-12-07 11:00:00", bookmaker);
}

// The bank of the bookmaker (every one when nothing), as money.
std::string bank(const std::vector<BankMovement>& movements, const std::vector<JournalBet>& bets,
                 std::optional<std::string> bookmaker)
{
    const auto kept = summaries(bets);
    return moneyText(balance(movements, kept.bets, kept.figures, bookmaker));
}
std::string problem(const BankMovement& m) { return movementProblem(m).value_or("ok"); }
std::string same(const BankMovement& a, const BankMovement& b)
{
    return duplicateKey(a) == duplicateKey(b) ? "same" : "differ";
}

// What spreadsheetText makes of bytes, or "refused".
std::string text(std::string_view bytes) { return spreadsheetText(bytes).value_or("refused"); }
// Line|error|the movements read.
std::string movements(std::string_view file)
{
    const auto r = readMovementsCsv(file);
    std::string out = exact(r.line) + "|" + r.error;
    for (const auto& m : r.movements)
        out += "|" + m.at + "," + m.bookmaker + "," + std::string(movementKindCode(m.kind)) + "," + m.amountText + ","
               + m.note;
    return out;
}

TEST(JournalBank, Table)
{
    // Its won line pays 4 whatever comes, yet the bank holds none of it
    // before the bet is settled.
    const JournalBet openSystem =
        bet({BetKind::System, 2}, "1", {ev(" 2", Outcome::Won), ev(" 2", Outcome::Won), ev(" 2", Outcome::Open)});
    const std::vector<BankMovement> moves{move("Лига", deposit, "1000"), move("Лига", withdrawal, "250,50"),
                                          move("Фонбет", deposit, "100.25")};
    const std::vector<JournalBet> bets{single("Лига", "100", Outcome::Won), single("Лига", "50", Outcome::Open),
                                       single("Фонбет", "30", Outcome::Lost), openSystem};
    const std::string moved = movementsCsv(moves);
    // clang-format off
    checkRows({
        {"BalanceOfEveryBookmaker", [&] { return bank(moves, bets, {}); }, "866.75"},
        {"BalanceOfOne", [&] { return bank(moves, bets, "Лига"); }, "799.50"},
        {"BalanceOfTheBlankBookmaker", [&] { return bank(moves, bets, ""); }, "-3.00"},
        {"MovementDate", [] { return problem(move("", deposit, "1", "", "2026-02-30 10:00:00")); }, "Дата движения должна быть вида ГГГГ-ММ-ДД ЧЧ:ММ:СС"},
        {"MovementZero", [] { return problem(move("", deposit, "0")); }, "Сумма движения должна быть положительным числом"},
        {"MovementNotUtf8", [] { return problem(move("", deposit, "5", "\xC1")); }, "Текст не в кодировке UTF-8"},
        {"MovementKinds", [] { return std::string(movementKindCode(*movementKindOf("Вывод"))) + " " + std::string(movementKindCaption(*movementKindOf("deposit"))); }, "withdrawal Пополнение"},
        {"DuplicateAmountCommaOrPoint", [] { return same(move("a", deposit, "250,50"), move("a", deposit, "250.5")); }, "same"},
        {"DuplicateBookmakerAndNoteApart", [] { return same(move("ab", deposit, "1", "c"), move("a", deposit, "1", "bc")); }, "differ"},
        {"Utf8WithMark", [] { return text("\xEF\xBB\xBF" "Дата;x"); }, "Дата;x"},
        {"Utf8KeepsAControl", [] { return text("a\x01" "Б"); }, "a\x01" "Б"},
        {"Windows1251", [] { return text("\xD1\xEF\xE0\xF0\xF2\xE0\xEA \x96 \xD6\xD1\xCA\xC0, \xA8\xB8"); }, "Спартак – ЦСКА, Ёё"},
        {"Windows1251UpperHalf", [] { return text("\x80\x88\x97\x99\xA0\xB9\xBF"); }, "Ђ€—™\xC2\xA0№ї"},
        {"Windows1251Undefined", [] { return text("\xC0\x98"); }, "refused"},
        {"Windows1251Control", [] { return text("\xC0\x01"); }, "refused"},
        {"MarkThenNotUtf8", [] { return text("\xEF\xBB\xBF\xC0"); }, "refused"},
        {"Utf16WithMark", [] { return text(std::string("\xFF\xFE\x14\x04", 4)); }, "refused"},
        {"Utf16WithoutMark", [] { return text(std::string("D\0a\0;\0", 6)); }, "refused"},
        {"MovementsRoundTrip", [&] { return movements(moved); }, "0||2026-12-07 10:00:00,Лига,deposit,1000,|2026-12-07 10:00:00,Лига,withdrawal,250,50,|2026-12-07 10:00:00,Фонбет,deposit,100,25,"},
        {"MovementsBadKind", [&] { return movements(moved.substr(0, moved.find("Вывод")) + "Снятие" + moved.substr(moved.find("Вывод") + 10)); }, "3|Строка 3. Неизвестное движение средств"},
        {"MovementsBadAmount", [&] { return movements(moved.substr(0, moved.find("250,50")) + "0" + moved.substr(moved.find("250,50") + 6)); }, "3|Строка 3. Сумма движения должна быть положительным числом"},
        {"MovementsNotOurHeader", [&] { return movements(journalCsv(std::vector<JournalBet>{})); }, "1|Строка 1. Это не движения средств: заголовок не тот"},
    });
    // clang-format on
}

} // namespace
