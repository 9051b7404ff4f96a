// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/journal_csv.h"

#include "core/exact_decimal.h"
#include "core/journal_row.h"
#include "core/settlement_captions.h"
#include "core/system_bet.h"
#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zoret {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view betColumns[] = {"Дата", "Букмекер", "Заметка", "Вид", "Система", "Сумма", "Режим суммы"};
constexpr std::string_view summedColumns[] = {"Статус", "Выплата", "Прибыль", "CLV"};
constexpr std::string_view eventColumns[] = {"Коэффициент ", "Результат ", "Банкер ", "Описание ", "Закрытие "};
constexpr std::string_view movementColumns[] = {"Дата", "Букмекер", "Движение", "Сумма", "Заметка"};
constexpr std::size_t betFieldCount = std::size(betColumns);
constexpr std::size_t movementFieldCount = std::size(movementColumns);

// Where a file's events start and how many columns each takes: files
// written before the summed columns and the closing odds have no summed
// columns and four columns an event.
struct Layout {
    std::size_t eventsAt;
    std::size_t eventFields;
};
constexpr Layout currentLayout{betFieldCount + std::size(summedColumns), std::size(eventColumns)};
constexpr Layout olderLayout{betFieldCount, std::size(eventColumns) - 1};

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

std::vector<std::string> headerFields(std::size_t eventCount, Layout layout)
{
    std::vector<std::string> fields(std::begin(betColumns), std::end(betColumns));
    if (layout.eventsAt == currentLayout.eventsAt)
        fields.insert(fields.end(), std::begin(summedColumns), std::end(summedColumns));
    for (std::size_t k = 1; k <= eventCount; ++k)
        for (const auto column : std::span(eventColumns).first(layout.eventFields))
            fields.push_back(std::string(column) + countText(static_cast<long long>(k)));
    return fields;
}

// What the window shows of a bet that settles, as a spreadsheet in a
// Russian locale reads numbers.
std::array<std::string, std::size(summedColumns)> summedFields(const JournalBet& bet)
{
    if (betProblem(bet))
        return {};
    const BetTexts t = betTexts(bet, betFigures(bet));
    return {t.status, withDecimalComma(t.payout), withDecimalComma(t.profit), withDecimalComma(t.clv)};
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

std::optional<std::string> readEvents(const std::vector<std::string>& fields, Layout layout, JournalBet& bet)
{
    bool ended = false;
    for (std::size_t at = layout.eventsAt, k = 1; at < fields.size(); at += layout.eventFields, ++k) {
        const auto group = std::span(fields).subspan(at, layout.eventFields);
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
        const auto outcome = outcomeOfCaptionOrCode(group[1]);
        if (!outcome)
            return event + "неизвестный результат";
        if (group[2] != "1" && group[2] != "0")
            return event + "банкер должен быть 1 или 0";
        bet.events.push_back(
            {*coefficient, *outcome, group[2] == "1", group[3], group.size() > 4 ? group[4] : std::string()});
    }
    return std::nullopt;
}

// The bet of a row, or what is wrong with it; `fields` holds the header's
// count.
std::optional<std::string> readBet(const std::vector<std::string>& fields, Layout layout, JournalBet& bet)
{
    bet.placedAt = fields[0];
    bet.bookmaker = fields[1];
    bet.note = fields[2];
    const auto kind = kindOfCaptionOrCode(fields[3]);
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
    if (auto problem = readEvents(fields, layout, bet))
        return problem;
    return betProblem(bet);
}

template <typename Reading>
Reading failed(const Failure& failure)
{
    Reading reading;
    reading.line = failure.line;
    reading.error = "Строка " + countText(failure.line) + ". " + failure.message;
    return reading;
}

struct Header {
    Layout layout;
    std::size_t fieldCount;
};

// The layout and width of our header, the current one or the older one,
// or nothing for another header.
std::optional<Header> headerOf(const std::vector<std::string>& header)
{
    for (const Layout layout : {currentLayout, olderLayout}) {
        if (header.size() < layout.eventsAt || (header.size() - layout.eventsAt) % layout.eventFields != 0)
            continue;
        if (header == headerFields((header.size() - layout.eventsAt) / layout.eventFields, layout))
            return Header{layout, header.size()};
    }
    return std::nullopt;
}

// The fields of the next row that is not blank, no more than `fieldCount`
// and padded to it, or the failure that stops the reading; false at the
// end of the file.
bool nextRow(RecordReader& reader, std::size_t fieldCount, Record& record, std::optional<Failure>& failure)
{
    while (!reader.atEnd()) {
        if ((failure = reader.next(record)))
            return false;
        auto& fields = record.fields;
        if (std::all_of(fields.begin(), fields.end(), [](const auto& f) { return f.empty(); }))
            continue;
        if (fields.size() > fieldCount) {
            failure = Failure{record.line, "Полей больше, чем в заголовке"};
            return false;
        }
        fields.resize(fieldCount);
        return true;
    }
    return false;
}

std::optional<std::string> readMovement(const std::vector<std::string>& fields, BankMovement& movement)
{
    movement.at = fields[0];
    movement.bookmaker = fields[1];
    const auto kind = movementKindOf(fields[2]);
    if (!kind)
        return "Неизвестное движение средств";
    movement.kind = *kind;
    movement.amountText = fields[3];
    movement.note = fields[4];
    return movementProblem(movement);
}

void appendHeader(std::string& out, std::span<const std::string> fields)
{
    out = byteOrderMark;
    for (const auto& field : fields)
        appendField(out, field, out.size() == byteOrderMark.size());
    out += "\r\n";
}

} // namespace

std::string journalCsv(std::span<const JournalBet> bets)
{
    std::size_t longest = 0;
    for (const auto& bet : bets)
        longest = std::max(longest, bet.events.size());
    std::string out;
    appendHeader(out, headerFields(longest, currentLayout));
    for (const auto& bet : bets) {
        std::string row;
        for (const std::string_view field : {std::string_view(bet.placedAt), std::string_view(bet.bookmaker),
                                             std::string_view(bet.note), kindCaption(bet.bet.kind)})
            appendField(row, field, row.empty());
        appendField(row, countText(bet.bet.size), false);
        appendField(row, csvSum(bet.sumText), false);
        appendField(row, sumModeCode(bet.sumMode), false);
        for (const auto& field : summedFields(bet))
            appendField(row, field, false);
        for (const auto& event : bet.events) {
            appendField(row, csvCoefficient(event.coefficientText), false);
            appendField(row, outcomeCaption(event.outcome), false);
            appendField(row, event.banker ? "1" : "0", false);
            appendField(row, event.description, false);
            appendField(row, withDecimalComma(std::string(trimBlanks(event.closingText))), false);
        }
        row.append((longest - bet.events.size()) * currentLayout.eventFields, ';');
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
        return failed<JournalCsvReading>(*failure);
    const auto header = headerOf(record.fields);
    if (!header)
        return failed<JournalCsvReading>({record.line, "Это не журнал ставок: заголовок не тот"});
    JournalCsvReading reading;
    std::optional<Failure> failure;
    while (nextRow(reader, header->fieldCount, record, failure)) {
        JournalBet bet;
        if (auto problem = readBet(record.fields, header->layout, bet))
            return failed<JournalCsvReading>({record.line, *problem});
        reading.bets.push_back(std::move(bet));
    }
    return failure ? failed<JournalCsvReading>(*failure) : reading;
}

std::string movementsCsv(std::span<const BankMovement> movements)
{
    std::string out;
    appendHeader(out, std::vector<std::string>(std::begin(movementColumns), std::end(movementColumns)));
    for (const auto& movement : movements) {
        std::string row;
        for (const std::string_view field :
             {std::string_view(movement.at), std::string_view(movement.bookmaker), movementKindCaption(movement.kind)})
            appendField(row, field, row.empty());
        appendField(row, csvSum(movement.amountText), false);
        appendField(row, movement.note, false);
        out += row + "\r\n";
    }
    return out;
}

MovementsCsvReading readMovementsCsv(std::string_view file)
{
    if (file.starts_with(byteOrderMark))
        file.remove_prefix(byteOrderMark.size());
    RecordReader reader(file);
    Record record;
    if (auto failure = reader.next(record))
        return failed<MovementsCsvReading>(*failure);
    if (!std::equal(record.fields.begin(), record.fields.end(), std::begin(movementColumns), std::end(movementColumns)))
        return failed<MovementsCsvReading>({record.line, "Это не движения средств: заголовок не тот"});
    MovementsCsvReading reading;
    std::optional<Failure> failure;
    while (nextRow(reader, movementFieldCount, record, failure)) {
        BankMovement movement;
        if (auto problem = readMovement(record.fields, movement))
            return failed<MovementsCsvReading>({record.line, *problem});
        reading.movements.push_back(std::move(movement));
    }
    return failure ? failed<MovementsCsvReading>(*failure) : reading;
}

} // namespace zoret
