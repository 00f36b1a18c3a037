// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The check-in page a phone shows: one form (number and name) posting to its own address, and
// above it the outcome of the last post. Self-contained (inline style, no script, no outside
// resource) and in the program's language. Nothing a client typed is ever echoed.
namespace CheckinPage {

enum class Notice
{
    None,
    CheckedIn,
    Already,
    Refused,
    TooManyAttempts,
    Unavailable
};

QByteArray Html(Notice notice);
// {"status": "..."} for clients that asked for JSON: checked-in, already, refused,
// too-many-attempts or unavailable.
QByteArray Json(Notice notice);

} // namespace CheckinPage
