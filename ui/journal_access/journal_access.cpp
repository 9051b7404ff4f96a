// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/journal_access/journal_access.h"

#include "core/exact_decimal.h"
#include "core/system_captions.h"
#include "ui/bet_details_window/bet_details_window.h"
#include "ui/toolkit/clock.h"
#include "ui/toolkit/message_box.h"
#include "journal/journal_command.h"

#include <utility>

namespace zoret::ui {

namespace {

using journal::JournalState;

constexpr const char* setAsideQuestion =
    "\n\nОтложить этот файл (он останется рядом под другим именем) и начать новый журнал?";
constexpr const char* calculatorsGoOn = "\n\nРасчёты работают как прежде, но ставки не сохраняются.";

bool readable(JournalState state) { return state == JournalState::Ready || state == JournalState::ReadOnly; }

std::string countOf(std::size_t count) { return countText(static_cast<long long>(count)); }

} // namespace

JournalAccess::JournalAccess(QString path) : path_(std::move(path)) {}

JournalAccess::~JournalAccess() = default;

journal::JournalStore* JournalAccess::open(QWidget* parent)
{
    if (!store_)
        store_ = std::make_unique<journal::JournalStore>();
    if (readable(store_->state()))
        return store_.get();
    JournalState state = store_->open(path_);
    if (state == JournalState::Damaged) {
        if (!AskYesNo(parent, store_->message() + setAsideQuestion, true))
            return nullptr;
        const auto aside = store_->setDamagedAside();
        if (!aside) {
            MsgBox(parent, store_->message() + calculatorsGoOn, MsgBoxIcon::Warning);
            return nullptr;
        }
        MsgBox(parent, "Повреждённый журнал сохранён как " + aside->toStdString() + ". Начат новый журнал.",
               MsgBoxIcon::Information);
        state = store_->state();
        changed();
    }
    if (state == JournalState::ReadOnly && !std::exchange(told_, true))
        MsgBox(parent, store_->message(), MsgBoxIcon::Information);
    if (readable(state))
        return store_.get();
    MsgBox(parent, store_->message() + calculatorsGoOn, MsgBoxIcon::Warning);
    return nullptr;
}

bool JournalAccess::canSave(QWidget* parent)
{
    journal::JournalStore* store = open(parent);
    if (store && !store->canWrite()) {
        MsgBox(parent, store->message(), MsgBoxIcon::Information);
        return false;
    }
    return store != nullptr;
}

bool JournalAccess::written(bool done, QWidget* parent)
{
    if (done)
        changed();
    else
        MsgBox(parent, store_->message(), MsgBoxIcon::Warning);
    return done;
}

// Refused before the user is asked anything about it; nothing when the
// user cancels.
std::optional<BetDetails> JournalAccess::askDetails(const BetDetails& shown, QWidget* parent)
{
    if (!canSave(parent))
        return std::nullopt;
    if (!details_)
        details_ = std::make_unique<BetDetailsWindow>();
    return details_->ask(store_->bookmakers().value_or(std::vector<std::string>{}), shown, parent);
}

std::optional<std::int64_t> JournalAccess::addAsked(JournalBet bet, QWidget* parent)
{
    bet.placedAt = nowText();
    if (const auto refused = journal::refusal(bet)) {
        MsgBox(parent, *refused, MsgBoxIcon::Warning);
        return std::nullopt;
    }
    const auto details = askDetails({{}, {}, bet.placedAt}, parent);
    if (!details)
        return std::nullopt;
    bet.bookmaker = details->bookmaker;
    bet.note = details->note;
    bet.placedAt = details->placedAt;
    const auto id = store_->add(bet);
    written(id.has_value(), parent);
    return id;
}

bool JournalAccess::updateAsked(JournalBet bet, QWidget* parent)
{
    if (const auto refused = journal::refusal(bet)) {
        MsgBox(parent, *refused, MsgBoxIcon::Warning);
        return false;
    }
    const auto details = askDetails({bet.bookmaker, bet.note, bet.placedAt}, parent);
    if (!details)
        return false;
    bet.bookmaker = details->bookmaker;
    bet.note = details->note;
    bet.placedAt = details->placedAt;
    return written(store_->update(bet), parent);
}

bool JournalAccess::removeAsked(std::span<const std::int64_t> ids, QWidget* parent)
{
    const std::string counted = countOf(ids.size()) + " " + pluralWord(ids.size(), "ставку", "ставки", "ставок");
    if (ids.empty() || !AskYesNo(parent, "Удалить из журнала " + counted + "?", false))
        return false;
    return canSave(parent) && written(store_->remove(ids), parent);
}

void JournalAccess::exportFile(const QString& path, std::span<const std::int64_t> ids, QWidget* parent)
{
    journal::JournalStore* store = open(parent);
    const auto movements = store ? store->movements() : std::nullopt;
    const auto exported = movements ? store->exportCsv(path, ids) : std::nullopt;
    if (exported)
        MsgBox(parent,
               "В файл " + path.toStdString() + " записано ставок: " + countOf(*exported) + ", движений средств в "
                   + journal::movementsPath(path).toStdString() + ": " + countOf(movements->size()),
               MsgBoxIcon::Information);
    else if (store)
        MsgBox(parent, store->message(), MsgBoxIcon::Warning);
}

void JournalAccess::importFile(const QString& path, QWidget* parent)
{
    if (!canSave(parent))
        return;
    const auto added = store_->importCsv(path);
    if (!written(added.has_value(), parent))
        return;
    MsgBox(parent, "Импорт из " + path.toStdString() + ". " + journal::importedText(*added), MsgBoxIcon::Information);
}

bool JournalAccess::addMovement(const BankMovement& movement, QWidget* parent)
{
    if (const auto refused = journal::refusal(movement)) {
        MsgBox(parent, *refused, MsgBoxIcon::Warning);
        return false;
    }
    return canSave(parent) && written(store_->addMovement(movement).has_value(), parent);
}

bool JournalAccess::removeMovementsAsked(std::span<const std::int64_t> ids, QWidget* parent)
{
    const std::string counted =
        countOf(ids.size()) + " " + pluralWord(ids.size(), "движение средств", "движения средств", "движений средств");
    if (ids.empty() || !AskYesNo(parent, "Удалить из журнала " + counted + "?", false))
        return false;
    return canSave(parent) && written(store_->removeMovements(ids), parent);
}

void JournalAccess::changed()
{
    for (const auto& listener : listeners_)
        listener();
}

} // namespace zoret::ui
