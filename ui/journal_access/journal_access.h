// SPDX-FileCopyrightText: 2026 Zoret developers <zoret@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/journal_bet.h"
#include "journal/journal_store.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class QWidget;

namespace zoret::ui {

class BetDetailsWindow;
struct BetDetails;

// The journal as the windows meet it: opened when first needed, never at
// start-up, with what the user must be told or asked on the way (a damaged
// file set aside only when he agrees, a newer one only read, a folder that
// cannot be written), then the store's call. A journal that cannot be
// opened leaves the calculators working; the next use tries again. Every
// change written is announced, whichever window wrote it.
class JournalAccess {
public:
    // The journal's file is the caller's choice.
    explicit JournalAccess(QString path);
    ~JournalAccess();
    JournalAccess(const JournalAccess&) = delete;
    JournalAccess& operator=(const JournalAccess&) = delete;

    // The open journal, or nothing once the user has been told why not.
    journal::JournalStore* open(QWidget* parent);
    // Open and taking changes; tells the user why not otherwise.
    bool canSave(QWidget* parent);
    // Asks for the bookmaker, a note and the date (now at first), then
    // keeps the slip as a new bet; its id, or nothing when the user
    // cancelled or was told why it was not kept.
    std::optional<std::int64_t> addAsked(JournalBet bet, QWidget* parent);
    // Asks again for the bet's bookmaker, note and date, shown as kept;
    // then the bet stored under its id takes what it holds now. False when
    // the user cancelled or was told why not.
    bool updateAsked(JournalBet bet, QWidget* parent);
    // Asks first how many bets go; false when the user said no or was told
    // why they stay.
    bool removeAsked(std::span<const std::int64_t> ids, QWidget* parent);
    // The bets of `ids` (as the journal orders them) written to a CSV file,
    // then how many; or why not.
    void exportFile(const QString& path, std::span<const std::int64_t> ids, QWidget* parent);
    // Every bet of a CSV file (and the movements beside it) added, then how
    // many were added and how many were already there; or why none.
    void importFile(const QString& path, QWidget* parent);
    // A deposit or a withdrawal kept; false once the user has been told why
    // not.
    bool addMovement(const BankMovement& movement, QWidget* parent);
    // Asks first how many movements go; false when the user said no or was
    // told why they stay.
    bool removeMovementsAsked(std::span<const std::int64_t> ids, QWidget* parent);

    // Called after every change written, in the order they were given; the
    // access outlives whoever listens.
    void onChange(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

private:
    void changed();
    bool written(bool done, QWidget* parent);
    std::optional<BetDetails> askDetails(const BetDetails& shown, QWidget* parent);

    QString path_;
    std::unique_ptr<journal::JournalStore> store_;
    std::unique_ptr<BetDetailsWindow> details_;
    std::vector<std::function<void()>> listeners_;
    bool told_ = false; // the read-only message is shown once
};

} // namespace zoret::ui
