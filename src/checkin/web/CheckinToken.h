// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The secret of an event's check-in page: 128 random bits, written in the URL-safe base64
// alphabet without padding (22 characters). Whoever lacks it gets nothing from the server.
namespace CheckinToken {

constexpr int Length = 22;

QByteArray Generate();
// True for a text that Generate could have made.
bool IsWellFormed(const QByteArray& token);
// Compares in a time that depends only on the lengths, so a client cannot find the token
// character by character from answer times.
bool Matches(const QByteArray& expected, const QByteArray& offered);
// The token kept in file (made with owner-only permissions when missing or malformed);
// an empty result with errorText when the file could be neither read nor written.
QByteArray ReadOrCreate(const QString& file, QString* errorText = nullptr);

} // namespace CheckinToken
