// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/journal_window/journal_window.h"

#include "ui/journal_store/journal_store.h"
#include "ui/journal_window/bet_details_window.h"
#include "ui/toolkit/clock.h"
#include "ui/toolkit/message_box.h"

namespace zoret::ui {

namespace {

constexpr const char* setAsideQuestion =
    "\n\nОтложить этот файл (он останется рядом под другим именем) и начать новый журнал?";
constexpr const char* readOnlyText = "Журнал записан более новой версией Zoret: в него ничего не сохраняется";
constexpr const char* calculatorsGoOn = "\n\nРасчёты работают как прежде, но ставки не сохраняются.";

} // namespace

JournalAccess::JournalAccess() = default;

JournalAccess::~JournalAccess() = default;

JournalStore* JournalAccess::open(QWidget* parent)
{
    if (!store_)
        store_ = std::make_unique<JournalStore>();
    JournalState state = store_->state();
    if (state == JournalState::Ready || state == JournalState::ReadOnly)
        return store_.get();
    state = store_->open();
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
    }
    if (state == JournalState::ReadOnly && !std::exchange(told_, true))
        MsgBox(parent, store_->message(), MsgBoxIcon::Information);
    if (state == JournalState::Ready || state == JournalState::ReadOnly)
        return store_.get();
    MsgBox(parent, store_->message() + calculatorsGoOn, MsgBoxIcon::Warning);
    return nullptr;
}

bool JournalAccess::canSave(QWidget* parent)
{
    JournalStore* store = open(parent);
    if (store && store->state() == JournalState::ReadOnly) {
        MsgBox(parent, readOnlyText, MsgBoxIcon::Information);
        return false;
    }
    return store != nullptr;
}

std::optional<std::int64_t> JournalAccess::addAsked(JournalBet bet, QWidget* parent)
{
    bet.placedAt = nowText();
    if (const auto problem = betProblem(bet)) {
        MsgBox(parent, "Ставка не сохраняется: " + *problem, MsgBoxIcon::Warning);
        return std::nullopt;
    }
    if (!canSave(parent))
        return std::nullopt;
    if (!details_)
        details_ = std::make_unique<BetDetailsWindow>();
    const auto details = details_->ask(store_->bookmakers().value_or(std::vector<std::string>{}), parent);
    if (!details)
        return std::nullopt;
    bet.bookmaker = details->bookmaker;
    bet.note = details->note;
    const auto id = store_->add(bet);
    if (!id)
        MsgBox(parent, store_->message(), MsgBoxIcon::Warning);
    return id;
}

bool JournalAccess::update(const JournalBet& bet, QWidget* parent)
{
    if (const auto problem = betProblem(bet)) {
        MsgBox(parent, "Ставка не сохраняется: " + *problem, MsgBoxIcon::Warning);
        return false;
    }
    if (!canSave(parent))
        return false;
    if (store_->update(bet))
        return true;
    MsgBox(parent, store_->message(), MsgBoxIcon::Warning);
    return false;
}

} // namespace zoret::ui
