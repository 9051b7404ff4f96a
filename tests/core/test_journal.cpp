// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_decimal.h"
#include "core/journal_csv.h"
#include "core/journal_statistics.h"
#include "core/journal_summary.h"
#include "core/system_bet.h"
#include "tests/core/journal_rows.h"
#include "tests/core/rows.h"

#include <numeric>
#include <stdexcept>
#include <vector>

using namespace zoret;

namespace {

constexpr auto O = Outcome::Open, W = Outcome::Won, L = Outcome::Lost, V = Outcome::Void, HW = Outcome::HalfWon,
               HL = Outcome::HalfLost;
const Bet single{BetKind::Single, 0}, acc{BetKind::Accumulator, 0};
constexpr Bet systemOf(int size) { return {BetKind::System, size}; }

JournalBet dated(const char* placedAt, const char* sum, Outcome outcome, std::string bookmaker = "")
{
    return bet(single, sum, {ev(" 2", outcome)}, SumMode::PerLine, placedAt, std::move(bookmaker));
}
std::string row(const JournalBet& b)
{
    const auto t = betTexts(b, betFigures(b));
    return t.date + "|" + t.bookmaker + "|" + t.note + "|" + t.bet + "|" + t.coefficient + "|" + t.stake + "|"
           + t.status + "|" + t.payout + "|" + t.profit;
}
std::string problem(const JournalBet& b) { return betProblem(b).value_or("ok"); }
std::vector<std::size_t> every(const std::vector<JournalBet>& bets)
{
    std::vector<std::size_t> kept(bets.size());
    std::iota(kept.begin(), kept.end(), std::size_t{0});
    return kept;
}

// Count|settled|turnover|profit|ROI|strike|average of the kept positions.
std::string statistics(const std::vector<JournalBet>& bets, std::vector<std::size_t> kept = {})
{
    const auto s = summaries(bets);
    if (kept.empty())
        kept = every(bets);
    const auto t = statisticsTexts(journalStatistics(s.bets, s.figures, kept));
    std::string out = t.count + "|" + t.settled + "|" + t.turnover + "|" + t.profit + "|" + t.roi + "|" + t.strike + "|"
                      + t.averageCoefficient;
    for (const auto& p : profitCurve(s.bets, s.figures, kept))
        out += " " + p.at + ":" + moneyText(p.profit) + ":" + exact(p.plotted);
    return out;
}
// CLV|better than the close|drawdown of every bet.
std::string depth(const std::vector<JournalBet>& bets)
{
    const auto s = summaries(bets);
    const auto t = statisticsTexts(journalStatistics(s.bets, s.figures, every(bets)));
    return t.clv + "|" + t.beatClose + "|" + t.drawdown;
}
std::string kept(const std::vector<JournalBet>& bets, JournalFilter filter, const char* today)
{
    std::string out;
    const auto s = summaries(bets);
    for (auto i : filteredBets(s.bets, s.figures, filter, today))
        out += exact(i);
    return out;
}
std::string kept(const std::vector<JournalBet>& bets, JournalPeriod period, const char* today,
                 std::optional<std::string> bookmaker = {})
{
    return kept(bets, JournalFilter{period, std::move(bookmaker), StatusFilter::All, {}, {}}, today);
}
// The closing-line value's text and tooltip.
std::string clv(const JournalBet& b)
{
    const auto t = betTexts(b, betFigures(b));
    return t.clv + "|" + t.clvTip;
}

std::string reading(std::string_view file)
{
    const auto r = readJournalCsv(file);
    std::string out = exact(r.line) + "|" + r.error + "|" + exact(r.bets.size());
    for (const auto& b : r.bets) {
        out += "|" + b.placedAt + "," + b.bookmaker + "," + b.note + "," + b.sumText;
        for (const auto& e : b.events)
            out += "," + e.coefficientText + "/" + std::string(outcomeCode(e.outcome)) + (e.banker ? "/b" : "");
    }
    return out;
}
// What an export, its reading and a second export change: "" when nothing. The values read back are the fuzz
// target's to compare over random bets; a field lost on reading changes the second export.
std::string roundTrip(const std::vector<JournalBet>& bets)
{
    const std::string first = journalCsv(bets);
    const auto back = readJournalCsv(first);
    if (!back.error.empty() || back.bets.size() != bets.size())
        return "read " + back.error;
    return journalCsv(back.bets) == first ? "" : "second export";
}
std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    return text.replace(text.find(from), from.size(), to);
}

// A bet's settlement as the journal keeps it, then " differs" when reading it back and writing it again changes it.
std::string stored(const JournalBet& b)
{
    const std::string record = settledRecord(summaryOf(b), betFigures(b));
    BetSummary back;
    back.placedAt = b.placedAt, back.bet = b.bet;
    BetFigures read;
    if (!readSettledRecord(record, back, read))
        return "refused " + record;
    return record + (settledRecord(back, read) == record ? "" : " differs");
}
// Whether a record reads for a bet of this kind placed at this time.
std::string readable(std::string_view record, Bet kind, const char* placedAt = "2026-12-07 10:15:30")
{
    BetSummary summary;
    summary.placedAt = placedAt, summary.bet = kind;
    BetFigures figures;
    return readSettledRecord(record, summary, figures) ? "ok" : "refused";
}
TEST(Journal, Summaries)
{
    std::vector<JournalBet> tenths;
    std::string coefficient = " 1.1";
    for (int k = 1; k <= 20; ++k, coefficient.insert(3, "0"))
        tenths.push_back(bet(single, "1", {ev(coefficient.c_str(), W)}));
    const std::string good = "won 1 0 2/1 1/1 2/1 2/1 1/1 1/1 - 2";
    // clang-format off
    checkRows({
        {"RecordOfASystem", [&] { return stored(bet(systemOf(2), "10", {ev(" 2", L), ev(" 3", W), ev(" 4 ", W)})); }, "partial 3 0 26/1 30/1 120/1 120/1 90/1 90/1 - 2"},
        {"RecordOfAnOpenBankerSystem", [&] { return stored(bet(systemOf(2), "90", {ev(" 2", W, true), ev(" 1.5", O), ev(" 2", O), ev(" 3", O)}, SumMode::WholeBet)); }, "open 4 1 27/1 90/1 0/1 810/1 -90/1 720/1 - 2"},
        {"RecordBeyondALong", [&] { return stored(bet(acc, "0,01", {ev(" 1.23456789012346E+15", W), ev(" 1E+10", HL)})); }, "won 2 0 12345678901234600000000000/1 1/100 61728394506173/10 61728394506173/10 617283945061729/100 617283945061729/100 - 1.23456789012346E+15"},
        {"RecordOfASingle", [&] { return readable(good, single); }, "ok"},
        {"RecordOfAnotherKindRefused", [&] { return readable(good, acc); }, "refused"},
        {"RecordOfAnotherSizeRefused", [&] { return readable(good, {BetKind::Single, 1}); }, "refused"},
        {"RecordOfABadDateRefused", [&] { return readable(good, single, "2026-02-29 10:00:00"); }, "refused"},
        {"RecordWithoutTheAverage", [&] { return readable("won 1 0 2/1 1/1 2/1 2/1 1/1 1/1 -", single); }, "ok"},
        {"RecordMissingAFigureRefused", [&] { return readable("won 1 0 2/1 1/1 2/1 2/1 1/1 -", single); }, "refused"},
        {"RecordWithoutTheClvRefused", [&] { return readable("won 1 0 2/1 1/1 2/1 2/1 1/1 1/1", single); }, "refused"},
        {"RecordWithTheClv", [&] { return stored(bet(single, "10", {ev(" 2.10", W, false, "", "1,95")})); }, "won 1 0 21/10 10/1 21/1 21/1 11/1 11/1 1/13 2.10"},
        {"RecordClvOfASystemRefused", [&] { return readable("won 3 0 2/1 1/1 2/1 2/1 1/1 1/1 1/13 2", systemOf(2)); }, "refused"},
        {"RecordClvOfMinusOneRefused", [&] { return readable("won 1 0 2/1 1/1 2/1 2/1 1/1 1/1 -1/1 2", single); }, "refused"},
        {"RecordCapitalStatusRefused", [&] { return readable("Won 1 0 2/1 1/1 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordZeroDenominatorRefused", [&] { return readable("won 1 0 2/1 1/0 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordZeroStakeRefused", [&] { return readable("won 1 0 2/1 0/1 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordNegativeStakeRefused", [&] { return readable("won 1 0 2/1 -1/1 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordFigureWithoutDenominatorRefused", [&] { return readable("won 1 0 2/1 1 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordFigureWithoutNumeratorRefused", [&] { return readable("won 1 0 2/1 /1 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordFigureTrailingLetterRefused", [&] { return readable("won 1 0 2/1 1/1x 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordNoEventsRefused", [&] { return readable("won 0 0 2/1 1/1 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordSingleOfTwoEventsRefused", [&] { return readable("won 2 0 2/1 1/1 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordNegativeBankersRefused", [&] { return readable("won 1 -1 2/1 1/1 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordBankersNotANumberRefused", [&] { return readable("won 1 x 2/1 1/1 2/1 2/1 1/1 1/1 - 2", single); }, "refused"},
        {"RecordSystemNotOfferedRefused", [&] { return readable("won 3 1 2/1 1/1 2/1 2/1 1/1 1/1 - 2", systemOf(2)); }, "refused"},
        {"RecordSystemWithABanker", [&] { return readable("won 4 1 2/1 1/1 2/1 2/1 1/1 1/1 - 2", systemOf(2)); }, "ok"},
        {"RecordAccumulatorOfThree", [&] { return readable("won 3 0 2/1 1/1 2/1 2/1 1/1 1/1 - 2", acc); }, "ok"},
        {"ManyDenominatorsSumExactly", [&] { const auto s = summaries(tenths); return journalStatistics(s.bets, s.figures, every(tenths)).profit.get_str(); }, "11111111111111111111/100000000000000000000"},
        {"CurveOfBetsOutOfOrder", [&] { return statistics({dated("2026-01-02 00:00:00", "2", L), dated("2026-01-03 00:00:00", "1", W), dated("2026-01-01 00:00:00", "1", W), dated("2026-01-02 12:00:00", "1", W)}); },
            "4|4|5.00|1.00|20.00 %|75.00 %|2.00 2026-01-01:1.00:1 2026-01-02:0.00:0 2026-01-03:1.00:1"},
        {"PlottedBeyondBillionths", [&] { return statistics({dated("2026-01-02 00:00:00", "20000000,5", L), dated("2026-01-03 00:00:00", "0,75", W)}); },
            "2|2|20000001.25|-19999999.75|-100.00 %|50.00 %|2.00 2026-01-02:-20000000.50:-20000000.5 2026-01-03:-19999999.75:-19999999.75"},
        {"PlottedBelowOne", [&] { return statistics({dated("2026-01-02 00:00:00", "0,25", W), dated("2026-01-03 00:00:00", "0,75", L)}); },
            "2|2|1.00|-0.50|-50.00 %|50.00 %|2.00 2026-01-02:0.25:0.25 2026-01-03:-0.50:-0.5"},
        {"PlottedAtTheEdge", [&] { const auto s = statistics({bet(single, "1", {ev(" 1E+400", W)})}); return s.substr(s.rfind(':')); }, ":1.7976931348623157e+308"},
    });
    // clang-format on
}

TEST(Journal, Table)
{
    const std::string controls = std::string("a\0b\x01\t\n\r\x1f\x7f", 9) + "z";
    const std::string hostile = "'); DROP TABLE bets; --";
    const auto whole = SumMode::WholeBet;
    const std::vector<JournalBet> worked{dated("2026-01-01 10:00:00", "100", W), bet(single, "100", {ev(" 1.50", L)}),
                                         bet(single, "50", {ev(" 3.00", V)})};
    const std::vector<JournalBet> days{
        dated("2026-03-01 23:59:59", "1", W, "Лига"), dated("2026-01-31 00:00:00", "1", L),
        dated("2026-01-30 12:00:00", "1", W, "Лига"), dated("2025-12-31 12:00:00", "1", W),
        dated("2026-03-02 00:00:00", "1", O, "лига"), dated("2024-01-31 08:00:00", "1", W),
        dated("2024-02-01 00:00:00", "1", W)};
    // Bet 2's note breaks its row over two lines: bet 3 starts on line 5.
    const std::string file =
        journalCsv(std::vector<JournalBet>{bet(acc, "10", {ev(" 1.5", W), ev(" 2", O)}),
                                           bet(single, "5", {ev(" 2", W)}, whole, "2026-12-08 09:00:00", "", "a\r\nb"),
                                           bet(single, "7", {ev(" 3", L)}, whole, "2026-12-09 09:00:00")});
    // clang-format off
    checkRows({
        {"OutcomeCodes", [&] { std::string out; for (const Outcome o : {O, W, L, V, HW, HL}) out += std::string(outcomeCode(*outcomeOfCode(outcomeCode(o)))) + " "; return out; }, "open won lost void half-won half-lost "},
        {"KindCodeCaseMatters", [] { return exact(int(kindOfCode("Single").has_value())); }, "0"},
        {"SingleWon", [&] { return row(bet(single, "100,50", {ev(" 1.85", W)})); }, "2026-12-07 10:15|||Ординар 1.85|1.85|100.50|Выигрыш|185.93|85.43"},
        {"AccumulatorOpen", [&] { return row(bet(acc, "10", {ev(" 1.5", W), ev(" 2", W), ev(" 3", O)})); }, "2026-12-07 10:15|||Экспресс из 3|9.00|10.00|Ожидается|0.00 – 90.00|-10.00 – 80.00"},
        {"SystemWon", [&] { return row(bet(systemOf(2), "10", {ev(" 1.5", W), ev(" 2", W), ev(" 3", W)})); }, "2026-12-07 10:15|||Система 3/2|13.50|30.00|Выигрыш|135.00|105.00"},
        {"SystemLineLostPaysTheStake", [&] { return row(bet(systemOf(2), "10", {ev(" 1.5", W), ev(" 2", W), ev(" 3", L)})); }, "2026-12-07 10:15|||Система 3/2|13.50|30.00|Возврат|30.00|0.00"},
        {"SystemLineLostPaysMore", [&] { return row(bet(systemOf(2), "10", {ev(" 2", L), ev(" 3", W), ev(" 4", W)})); }, "2026-12-07 10:15|||Система 3/2|26.00|30.00|Частично|120.00|90.00"},
        {"SystemBankerWholeBet", [&] { return row(bet(systemOf(2), "90", {ev(" 2", W, true), ev(" 1.5", O), ev(" 2", O), ev(" 3", O)}, whole)); }, "2026-12-07 10:15|||Система 3/2|27.00|90.00|Ожидается|0.00 – 810.00|-90.00 – 720.00"},
        {"HalfLostPaysPart", [&] { return row(bet(single, "100", {ev(" 3", HL)})); }, "2026-12-07 10:15|||Ординар 3|3.00|100.00|Частично|50.00|-50.00"},
        {"ControlsOnOneLine", [&] { return row(bet(single, "1", {ev(" 2", HW)}, whole, "2026-12-07 10:15:30", controls, hostile)); }, "2026-12-07 10:15|a␀b␁␉␊␍␟␡z|" + hostile + "|Ординар 2|2.00|1.00|Выигрыш|1.50|0.50"},
        {"ProblemDate", [&] { return problem(dated("2026-02-29 10:00:00", "1", W)); }, "Дата ставки должна быть вида ГГГГ-ММ-ДД ЧЧ:ММ:СС"},
        {"ProblemHour", [&] { return problem(dated("2026-12-07 24:00:00", "1", W)); }, "Дата ставки должна быть вида ГГГГ-ММ-ДД ЧЧ:ММ:СС"},
        {"LeapDay", [&] { return problem(dated("2024-02-29 10:00:00", "1", W)); }, "ok"},
        {"LeapDayOf2000", [&] { return problem(dated("2000-02-29 23:59:59", "1", W)); }, "ok"},
        {"NoLeapDayIn1900", [&] { return problem(dated("1900-02-29 10:00:00", "1", W)).substr(0, 8); }, "Дата"},
        {"ProblemNotUtf8", [&] { return problem(dated("2026-12-07 10:00:00", "1", W, "\xC1\xEA")); }, "Текст не в кодировке UTF-8"},
        {"ProblemSurrogate", [&] { return problem(dated("2026-12-07 10:00:00", "1", W, "\xED\xA0\x80")); }, "Текст не в кодировке UTF-8"},
        {"ProblemOverlongThreeBytes", [&] { return problem(dated("2026-12-07 10:00:00", "1", W, "\xE0\x80\xAF")); }, "Текст не в кодировке UTF-8"},
        {"ProblemPastUnicode", [&] { return problem(dated("2026-12-07 10:00:00", "1", W, "\xF4\x90\x80\x80")); }, "Текст не в кодировке UTF-8"},
        {"LastCodePointIsUtf8", [&] { return problem(dated("2026-12-07 10:00:00", "1", W, "\xF4\x8F\xBF\xBF\xE2\x82\xAC")); }, "ok"},
        {"ProblemNoEvents", [&] { return problem(bet(acc, "1", {})); }, "В ставке нет событий"},
        {"ProblemCoefficientBelowOne", [&] { return problem(bet(acc, "1", {ev(" 2", W), ev(" .95", W)})); }, "Коэффициенты меньше 1 не рассчитываются"},
        {"ProblemCoefficientUnreadable", [&] { return problem(bet(single, "1", {ev("1E99999", W)})); }, "Коэффициент события 1 не читается"},
        {"ProblemZeroSum", [&] { return problem(bet(single, "0", {ev(" 2", W)})); }, "Сумма ставки должна быть положительным числом"},
        {"ProblemLettersForSum", [&] { return problem(bet(single, "сто", {ev(" 2", W)})); }, "Сумма ставки должна быть положительным числом"},
        {"ProblemSystemNotOffered", [&] { return problem(bet(systemOf(2), "1", {ev(" 2", W), ev(" 2", W)})); }, "Такой ставки на эти события нет"},
        {"ProblemSingleWithASize", [&] { return problem(bet({BetKind::Single, 3}, "1", {ev(" 2", W)})); }, "Такой ставки на эти события нет"},
        {"WorkedStatistics", [&] { return statistics(worked); }, "3|3|250.00|0.00|0.00 %|33.33 %|2.17 2026-01-01:100.00:100 2026-12-07:0.00:0"},
        {"NothingSettled", [&] { return statistics({dated("2026-01-01 09:00:00", "1000", O)}); }, "1|0|0.00|0.00|—|—|—"},
        {"KeptOnly", [&] { return statistics({dated("2026-01-02 00:00:00", "100", L), dated("2026-01-01 00:00:00", "33.33", W), dated("2026-01-03 00:00:00", "100,5", W)}, {0, 1}); }, "2|2|133.33|-66.67|-50.00 %|50.00 %|2.00 2026-01-01:33.33:33.33 2026-01-02:-66.67:-66.67"},
        {"LastThirtyDays", [&] { return kept(days, JournalPeriod::Last30Days, "2026-03-01"); }, "01"},
        {"LastThirtyDaysOfALeapYear", [&] { return kept(days, JournalPeriod::Last30Days, "2024-03-01"); }, "6"},
        {"OverTheNewYear", [&] { return kept(days, JournalPeriod::Last30Days, "2026-01-29"); }, "3"},
        {"ThisMonth", [&] { return kept(days, JournalPeriod::ThisMonth, "2026-03-15"); }, "04"},
        {"ThisYear", [&] { return kept(days, JournalPeriod::ThisYear, "2026-12-31"); }, "0124"},
        {"AllTime", [&] { return kept(days, JournalPeriod::AllTime, "2026-03-01"); }, "0123456"},
        {"Bookmaker", [&] { return kept(days, JournalPeriod::AllTime, "2026-03-01", "Лига"); }, "02"},
        {"NoBookmaker", [&] { return kept(days, JournalPeriod::ThisMonth, "2026-01-01", ""); }, "1"},
        {"BookmakersUsed", [&] { return exact(bookmakersUsed(summaries(days).bets).size()) + bookmakersUsed(summaries(days).bets)[0]; }, "2Лига"},
        {"BadToday", [&] { try { return kept(days, JournalPeriod::AllTime, "2026-3-1"); } catch (const std::invalid_argument&) { return std::string("refused"); } }, "refused"},
        {"CsvBytes", [&] { return journalCsv(std::vector<JournalBet>{bet(acc, " 100.50", {ev(" 1.85", W, false, "", "1.80"), ev("2,5", L, true, "blank ", "2,4")}, whole, "2026-12-07 10:15:00", "Лига; Ставок", "say \"hi\""),
                                            bet(single, "5", {ev(" 1E+1", O, false, "line\r\nbreak")}, SumMode::PerLine, "2026-12-08 09:00:00", " Лига")}); },
            "\xEF\xBB\xBF" "Дата;Букмекер;Заметка;Вид;Система;Сумма;Режим суммы;Статус;Выплата;Прибыль;CLV;Коэффициент 1;Результат 1;Банкер 1;Описание 1;Закрытие 1;Коэффициент 2;Результат 2;Банкер 2;Описание 2;Закрытие 2\r\n"
            "2026-12-07 10:15:00;\"Лига; Ставок\";\"say \"\"hi\"\"\";Экспресс;0;100,50;whole-bet;Проигрыш;0,00;-100,50;-14,35 %;1,85;Выигрыш;0;;1,80;2;Проигрыш;1;\"blank \";2,4\r\n"
            "2026-12-08 09:00:00;\" Лига\";;Ординар;0;5;per-line;Ожидается;0,00 – 50,00;-5,00 – 45,00;—;10;Ожидается;0;\"line\r\nbreak\";;;;;;\r\n"},
        {"RoundTrip", [&] { return roundTrip({bet(systemOf(1), "0,01", {ev(" 1.23456789012346E+15", HW, true), ev(" 1.001", HL, false, hostile), ev(" 7", V, false, "", "+150"), ev(" 1", O, false, "\r", "19/20")}, whole, "2026-12-07 10:15:00", controls, std::string(100000, 'x') + "\"\n;"),
                                           bet(single, "100,50", {ev(" 1.85", W, false, "", " 1.5 ")}, SumMode::PerLine, "2026-12-08 00:00:00", " ", ";"), bet(acc, "2.", {ev(" 2", L), ev(" 3", O)})}); }, ""},
        {"RoundTripOfNothing", [&] { return roundTrip({}); }, ""},
        {"SavedAgain", [&] { return reading("Дата;Букмекер;Заметка;Вид;Система;Сумма;Режим суммы;Коэффициент 1;Результат 1;Банкер 1;Описание 1;Коэффициент 2;Результат 2;Банкер 2;Описание 2\n\n"
                                           "2026-01-02 03:04:05;b;n;single;0;10.5;per-line;1.50;won;0\n;;;\n2026-01-02 03:04:06;;;accumulator;0;1;whole-bet;2,5;lost;0;;001,20;void;0;\n"); },
            "0||2|2026-01-02 03:04:05,b,n,10.5, 1.5/won|2026-01-02 03:04:06,,,1, 2.5/lost, 1.2/void"},
        {"BadKind", [&] { return reading(replaced(file, "Ординар;0;7", "singel;0;7")); }, "5|Строка 5. Неизвестный вид ставки|0"},
        {"BadSizeDecimal", [&] { return reading(replaced(file, "Ординар;0;7", "single;0.0;7")); }, "5|Строка 5. Размер системы не число от 0 до 20|0"},
        {"BadSizeAboveTwenty", [&] { return reading(replaced(file, "Ординар;0;7", "single;21;7")); }, "5|Строка 5. Размер системы не число от 0 до 20|0"},
        {"BadMode", [&] { return reading(replaced(file, "7;whole-bet", "7;whole")); }, "5|Строка 5. Неизвестный режим суммы|0"},
        {"BadCoefficientTwoMarks", [&] { return reading(replaced(file, "1,5;Выигрыш", "1,5,0;won")); }, "2|Строка 2. Событие 1: коэффициент не число|0"},
        {"BadResult", [&] { return reading(replaced(file, "3;Проигрыш", "3;loss")); }, "5|Строка 5. Событие 1: неизвестный результат|0"},
        {"BadBanker", [&] { return reading(replaced(file, "2;Ожидается;0", "2;Ожидается;да")); }, "2|Строка 2. Событие 2: банкер должен быть 1 или 0|0"},
        {"EventAfterAGap", [&] { return reading(replaced(file, "1,5;Выигрыш;0;;", ";;;;")); }, "2|Строка 2. Событие 2: идёт после пустого|0"},
        {"SumChecked", [&] { return reading(replaced(file, ";7;", ";0;")); }, "5|Строка 5. Сумма ставки должна быть положительным числом|0"},
        {"TooManyFields", [&] { return reading(replaced(file, "3;Проигрыш;0;", "3;Проигрыш;0;;x")); }, "5|Строка 5. Полей больше, чем в заголовке|0"},
        {"QuotesNotClosed", [&] { return reading(replaced(file, "\"a\r\nb\"", "\"a\r\nb")); }, "3|Строка 3. Кавычки не закрыты|0"},
        {"TextAfterClosingQuote", [&] { return reading(replaced(file, "\"a\r\nb\"", "\"a\r\nb\"x")); }, "4|Строка 4. После закрывающей кавычки идёт текст|0"},
        {"QuoteInsideUnquotedField", [&] { return reading(replaced(file, "\"a\r\nb\"", "a\"b")); }, "3|Строка 3. Кавычка внутри поля без кавычек|0"},
        {"NotOurHeader", [&] { return reading(replaced(file, "Дата", "Date")); }, "1|Строка 1. Это не журнал ставок: заголовок не тот|0"},
        {"EmptyFileIsNotAJournal", [&] { return reading(""); }, "1|Строка 1. Это не журнал ставок: заголовок не тот|0"},
        {"NotOurHeaderColumns", [&] { return reading(replaced(file, "Описание 2", "Описание 3")); }, "1|Строка 1. Это не журнал ставок: заголовок не тот|0"},
        {"LoneCarriageReturnsCountAsLines", [&] { auto lone = file; for (auto at = lone.find("\r\n"); at != std::string::npos; at = lone.find("\r\n", at)) lone.erase(at + 1, 1); return reading(replaced(lone, "3;Проигрыш", "3;loss")); }, "5|Строка 5. Событие 1: неизвестный результат|0"},
    });
    // clang-format on
}

TEST(Journal, Depth)
{
    const JournalBet closedSingle = bet(single, "100", {ev(" 2.10", W, false, "", "1,95")});
    const JournalBet closedAcc = bet(acc, "300", {ev(" 1.80", O, false, "", "1.70"), ev(" 2", W, false, "", "2.05")});
    const JournalBet fourOfTwo = bet(systemOf(2), "1", {ev(" 1.85", W), ev(" 2.1", W), ev(" 1.5", W), ev(" 3", W)});
    const std::vector<std::string> fourOdds{" 1.85", " 2.1", " 1.5", " 3"};
    // 100 at even money; lists of them run newest first, as the journal lists them.
    const auto hundred = [](Outcome o) { return dated("2026-01-01 10:00:00", "100", o); };
    const auto key = [](const JournalBet& b) { return duplicateKey(b); };
    const std::vector<JournalBet> mixed{dated("2026-01-05 10:00:00", "1", O), dated("2026-01-04 10:00:00", "1", W),
                                        dated("2026-01-03 10:00:00", "1", L), dated("2026-01-02 10:00:00", "1", O)};
    const auto dates = [](const char* from, const char* to) {
        return JournalFilter{JournalPeriod::Dates, {}, StatusFilter::All, from, to};
    };
    // clang-format off
    checkRows({
        {"ClvOfASingle", [&] { return clv(closedSingle); }, "+7.69 %|"},
        {"ClvOfAnAccumulator", [&] { return clv(closedAcc); }, "+3.30 %|"},
        {"ClvWeightedByStakes", [&] { return depth({closedSingle, closedAcc}); }, "+4.40 %|100.00 %|0.00"},
        {"ClvBelowTheClose", [&] { return depth({closedSingle, bet(single, "100", {ev(" 1.5", O, false, "", "-200")})}); }, "+3.85 %|50.00 %|0.00"},
        {"ClvOfASystem", [&] { return clv(bet(systemOf(2), "1", {ev(" 2", W, false, "", "2"), ev(" 2", W, false, "", "2"), ev(" 2", W, false, "", "2")})); }, "—|У системы нет одной линии закрытия"},
        {"ClvMissingAClosing", [&] { return clv(bet(acc, "1", {ev(" 2", W, false, "", "2"), ev(" 2", W)})); }, "—|Не у всех событий есть коэф. закрытия"},
        {"NoClvNoFigure", [&] { return depth({dated("2026-01-01 10:00:00", "1", O)}); }, "—|—|0.00"},
        {"ClosingNotOdds", [&] { return problem(bet(acc, "1", {ev(" 2", W, false, "", "2"), ev(" 2", W, false, "", "1")})); }, "Коэф. закрытия события 2 не читается"},
        {"SystemIsTheMainWindowsFigure", [&] { return betTexts(fourOfTwo, betFigures(fourOfTwo)).coefficient + "|" + systemTotalText(2, evaluateSystem(fourOdds, 2).total); }, "26.16| 26.16"},
        {"AverageLeavesSystemsOut", [&] { return statistics({fourOfTwo, dated("2026-01-01 10:00:00", "1", W)}).substr(0, 44); }, "2|2|7.00|21.16|302.29 %|100.00 %|2.00 2026-0"},
        {"DrawdownRisesFallsAndPeaksAgain", [&] { return depth({hundred(W), hundred(W), hundred(W), hundred(L), hundred(L), hundred(W)}); }, "—|—|200.00"},
        {"DrawdownBelowTheStart", [&] { return depth({hundred(L)}); }, "—|—|100.00"},
        {"DrawdownInHalvesAndQuarters", [&] { return depth({dated("2026-01-03 10:00:00", "0,25", L), dated("2026-01-02 10:00:00", "0,5", L), dated("2026-01-01 10:00:00", "100", W)}); }, "—|—|0.75"},
        {"DrawdownInTheOrderPlaced", [&] { return depth({dated("2026-01-03 10:00:00", "100", L), dated("2026-01-01 10:00:00", "100", W), dated("2026-01-04 10:00:00", "100", L), dated("2026-01-02 10:00:00", "100", W)}); }, "—|—|200.00"},
        {"CurveOfOneDayIsAPointABet", [&] { return statistics({dated("2026-01-01 12:00:00", "1", L), dated("2026-01-01 09:30:00", "1", W)}); }, "2|2|2.00|0.00|0.00 %|50.00 %|2.00 2026-01-01 09:30:00:1.00:1 2026-01-01 12:00:00:0.00:0"},
        {"StatusOpen", [&] { return kept(mixed, {JournalPeriod::AllTime, {}, StatusFilter::Open, {}, {}}, "2026-01-05"); }, "03"},
        {"StatusSettled", [&] { return kept(mixed, {JournalPeriod::AllTime, {}, StatusFilter::Settled, {}, {}}, "2026-01-05"); }, "12"},
        {"DatesBothKept", [&] { return kept(mixed, dates("2026-01-03", "2026-01-04"), "2026-01-05"); }, "12"},
        {"DatesNotADate", [&] { try { return kept(mixed, dates("2026-01-32", "2026-02-01"), "2026-01-05"); } catch (const std::invalid_argument&) { return std::string("refused"); } }, "refused"},
        {"EventsOnOneLine", [&] { const auto b = bet(acc, "1", {ev(" 2", W, false, "Спартак – ЦСКА, П1"), ev(" 2", W), ev(" 3", W, false, "a\nb")}); const auto t = betTexts(b, betFigures(b)); return t.events + "|" + t.eventsTip; }, "Спартак – ЦСКА, П1; a␊b|Спартак – ЦСКА, П1\na␊b"},
        {"DuplicateSumCommaOrPoint", [&] { return exact(int(key(bet(single, "1,85", {ev(" 1.85", W)})) == key(bet(single, "1.850", {ev("1.850", W)})))); }, "1"},
        {"DuplicateOtherMark", [&] { return exact(int(key(bet(single, "1", {ev(" 1.85", W)})) == key(bet(single, "1", {ev(" 1.85", L)})))); }, "0"},
        {"DuplicateOtherBanker", [&] { return exact(int(key(bet(systemOf(1), "1", {ev(" 2", W, true), ev(" 2", W), ev(" 2", W)})) == key(bet(systemOf(1), "1", {ev(" 2", W), ev(" 2", W, true), ev(" 2", W)})))); }, "0"},
        {"DuplicateDescriptionsDoNotCount", [&] { return exact(int(key(bet(single, "1", {ev(" 2", W, false, "a", "1.9")}, SumMode::PerLine, "2026-12-07 10:15:30", "x", "y")) == key(bet(single, "1", {ev(" 2", W, false, "b")})))); }, "1"},
    });
    // clang-format on
}

} // namespace
