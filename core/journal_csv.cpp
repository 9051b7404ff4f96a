// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/journal_csv.h"

#include "core/exact_decimal.h"
#include "core/system_bet.h"
#include "core/number_text.h"

#include <algorithm>
#include <charconv>

namespace zoret {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view betColumns[] = {"Дата", "Букмекер", "Заметка", "Вид", "Система", "Сумма", "Режим суммы"};
constexpr std::string_view eventColumns[] = {"Коэффициент ", "Результат ", "Банкер ", "Описание "};
constexpr std::size_t betFieldCount = std::size(betColumns);
constexpr std::size_t eventFieldCount = std::size(eventColumns);

bool isBlank(char c) { return c == ' ' || c == '\t'; }

void appendField(std::string& out, std::string_view field, bool first)
{
    if (!first)
        out += ';';
    const bool quoted = field.find_first_of(";\"\r\n") != std::string_view::npos
                        || (!field.empty() && (isBlank(field.front()) || isBlank(field.back())));
    if (!quoted) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field)
        out.append(c == '"' ? 2 : 1, c);
    out += '"';
}

// The fewest decimals that write a decimal fraction exactly: the larger
// power of 2 or of 5 in its denominator.
int exactDecimals(const mpq_class& value)
{
    mpz_class rest = value.get_den();
    const auto twos = static_cast<int>(mpz_scan1(rest.get_mpz_t(), 0));
    rest >>= twos;
    int fives = 0;
    for (; rest % 5 == 0; rest /= 5)
        ++fives;
    return std::max(twos, fives);
}

std::string withDecimalComma(std::string text)
{
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string csvCoefficient(std::string_view listText)
{
    const mpq_class value = readListNumber(listText).value_or(0);
    return withDecimalComma(fixedText(value, exactDecimals(value)));
}

std::string csvSum(std::string_view sumText) { return withDecimalComma(std::string(trimBlanks(sumText))); }

std::vector<std::string> headerFields(std::size_t eventCount)
{
    std::vector<std::string> fields(std::begin(betColumns), std::end(betColumns));
    for (std::size_t k = 1; k <= eventCount; ++k)
        for (const auto column : eventColumns)
            fields.push_back(std::string(column) + countText(static_cast<long long>(k)));
    return fields;
}

// One record of the file: its fields and the physical line it starts on.
struct Record {
    std::vector<std::string> fields;
    long long line = 0;
};

struct Failure {
    long long line;
    std::string message;
};

// Splits the file into records; quoted fields may hold separators, quotes
// and line breaks. A line ends at CRLF, LF or CR.
class RecordReader {
public:
    explicit RecordReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }

    // The next record, or the failure that stops the reading.
    std::optional<Failure> next(Record& record)
    {
        record = {{}, line_};
        for (;;) {
            std::string field;
            if (at_ < text_.size() && text_[at_] == '"') {
                if (auto failure = quotedField(field, record.line))
                    return failure;
            } else {
                for (; at_ < text_.size() && !endsField(text_[at_]); ++at_)
                    if (text_[at_] == '"')
                        return Failure{line_, "Кавычка внутри поля без кавычек"};
                    else
                        field += text_[at_];
            }
            record.fields.push_back(std::move(field));
            if (at_ >= text_.size())
                return std::nullopt;
            if (text_[at_++] != ';')
                return skipLineEnd(), std::nullopt;
        }
    }

private:
    static bool endsField(char c) { return c == ';' || c == '\r' || c == '\n'; }

    // At a CR or LF just taken: a CR before an LF ends the line with it.
    void skipLineEnd()
    {
        if (text_[at_ - 1] == '\r' && at_ < text_.size() && text_[at_] == '\n')
            ++at_;
        ++line_;
    }

    std::optional<Failure> quotedField(std::string& field, long long recordLine)
    {
        for (++at_;; ++at_) {
            if (at_ >= text_.size())
                return Failure{recordLine, "Кавычки не закрыты"};
            const char c = text_[at_];
            if (c == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    field += '"', ++at_;
                    continue;
                }
                ++at_;
                if (at_ < text_.size() && !endsField(text_[at_]))
                    return Failure{line_, "После закрывающей кавычки идёт текст"};
                return std::nullopt;
            }
            field += c;
            // a line break inside the quotes still starts a physical line
            if (c == '\n' || (c == '\r' && (at_ + 1 >= text_.size() || text_[at_ + 1] != '\n')))
                ++line_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    long long line_ = 1;
};

std::optional<int> systemSizeOf(std::string_view field)
{
    int size = -1;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), size);
    if (field.empty() || error != std::errc() || end != field.data() + field.size() || size < 0
        || size > maxSystemEvents)
        return std::nullopt;
    return size;
}

// The odds list's own form of a coefficient: a blank, then the decimal
// with a point.
std::optional<std::string> listCoefficient(std::string_view field)
{
    const auto value = readSum(field);
    if (!value)
        return std::nullopt;
    return " " + fixedText(*value, exactDecimals(*value));
}

std::optional<std::string> readEvents(const std::vector<std::string>& fields, JournalBet& bet)
{
    bool ended = false;
    for (std::size_t at = betFieldCount, k = 1; at < fields.size(); at += eventFieldCount, ++k) {
        const auto group = std::span(fields).subspan(at, eventFieldCount);
        const std::string event = "Событие " + countText(static_cast<long long>(k)) + ": ";
        if (std::all_of(group.begin(), group.end(), [](const auto& f) { return f.empty(); })) {
            ended = true;
            continue;
        }
        if (ended)
            return event + "идёт после пустого";
        const auto coefficient = listCoefficient(group[0]);
        if (!coefficient)
            return event + "коэффициент не число";
        const auto outcome = outcomeOfCode(group[1]);
        if (!outcome)
            return event + "неизвестный результат";
        if (group[2] != "1" && group[2] != "0")
            return event + "банкер должен быть 1 или 0";
        bet.events.push_back({*coefficient, *outcome, group[2] == "1", group[3], {}});
    }
    return std::nullopt;
}

// The bet of a row, or what is wrong with it; `fields` holds the header's
// count.
std::optional<std::string> readBet(const std::vector<std::string>& fields, JournalBet& bet)
{
    bet.placedAt = fields[0];
    bet.bookmaker = fields[1];
    bet.note = fields[2];
    const auto kind = kindOfCode(fields[3]);
    if (!kind)
        return "Неизвестный вид ставки";
    const auto size = systemSizeOf(fields[4]);
    if (!size)
        return "Размер системы не число от 0 до 20";
    bet.bet = {*kind, *size};
    bet.sumText = fields[5];
    const auto mode = sumModeOfCode(fields[6]);
    if (!mode)
        return "Неизвестный режим суммы";
    bet.sumMode = *mode;
    if (auto problem = readEvents(fields, bet))
        return problem;
    return betProblem(bet);
}

JournalCsvReading failed(const Failure& failure)
{
    return JournalCsvReading{{}, failure.line, "Строка " + countText(failure.line) + ". " + failure.message};
}

// The count of event groups of our header, or nothing for another header.
std::optional<std::size_t> eventGroupsOf(const std::vector<std::string>& header)
{
    if (header.size() < betFieldCount || (header.size() - betFieldCount) % eventFieldCount != 0)
        return std::nullopt;
    const std::size_t groups = (header.size() - betFieldCount) / eventFieldCount;
    return header == headerFields(groups) ? std::optional(groups) : std::nullopt;
}

} // namespace

std::string journalCsv(std::span<const JournalBet> bets)
{
    std::size_t longest = 0;
    for (const auto& bet : bets)
        longest = std::max(longest, bet.events.size());
    std::string out(byteOrderMark);
    for (const auto& field : headerFields(longest))
        appendField(out, field, out.size() == byteOrderMark.size());
    out += "\r\n";
    for (const auto& bet : bets) {
        std::string row;
        for (const std::string_view field : {std::string_view(bet.placedAt), std::string_view(bet.bookmaker),
                                             std::string_view(bet.note), kindCode(bet.bet.kind)})
            appendField(row, field, row.empty());
        appendField(row, countText(bet.bet.size), false);
        appendField(row, csvSum(bet.sumText), false);
        appendField(row, sumModeCode(bet.sumMode), false);
        for (const auto& event : bet.events) {
            appendField(row, csvCoefficient(event.coefficientText), false);
            appendField(row, outcomeCode(event.outcome), false);
            appendField(row, event.banker ? "1" : "0", false);
            appendField(row, event.description, false);
        }
        row.append((longest - bet.events.size()) * eventFieldCount, ';');
        out += row + "\r\n";
    }
    return out;
}

JournalCsvReading readJournalCsv(std::string_view file)
{
    if (file.starts_with(byteOrderMark))
        file.remove_prefix(byteOrderMark.size());
    RecordReader reader(file);
    Record record;
    if (auto failure = reader.next(record))
        return failed(*failure);
    const auto groups = eventGroupsOf(record.fields);
    if (!groups)
        return failed({record.line, "Это не журнал ставок: заголовок не тот"});
    const std::size_t fieldCount = betFieldCount + *groups * eventFieldCount;
    JournalCsvReading reading;
    while (!reader.atEnd()) {
        if (auto failure = reader.next(record))
            return failed(*failure);
        auto& fields = record.fields;
        if (std::all_of(fields.begin(), fields.end(), [](const auto& f) { return f.empty(); }))
            continue;
        if (fields.size() > fieldCount)
            return failed({record.line, "Полей больше, чем в заголовке"});
        fields.resize(fieldCount);
        JournalBet bet;
        if (auto problem = readBet(fields, bet))
            return failed({record.line, *problem});
        reading.bets.push_back(std::move(bet));
    }
    return reading;
}

} // namespace zoret
