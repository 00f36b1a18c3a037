// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

// What a connection can tell of the changes to its database at one moment. Two stamps that
// differ mean the data may have changed between them; equal stamps mean it did not.
struct ChangeStamp
{
    // Changes made through this connection.
    quint64 own = 0;
    // Changes committed by other connections (SQLite: the file's data version; PostgreSQL: the
    // change notifications of the participant and winner tables, less those that only stored
    // wins). Empty where they cannot be seen (a lost connection): such a stamp equals no other.
    std::optional<quint64> others;
    // PostgreSQL: statements of other connections that only stored wins.
    quint64 otherWins = 0;

    bool OthersKnown() const { return others.has_value(); }
    bool operator==(const ChangeStamp&) const = default;
};
