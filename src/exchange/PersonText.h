// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a participant's number, name and remark may hold, wherever they enter or leave: the
// participant dialog, the import and the exports all use these bounds.
namespace PersonText {

// Characters of a name and of a remark. The longest personal names, with a transcription or a
// department beside them, stay well under a hundred characters, and the draw window shows a
// name in one reel line: 200 leaves room for any real entry while 200,000 rows stay a few
// megabytes, in memory and on disk.
inline constexpr int MaxNameChars = 200;
inline constexpr int MaxRemarkChars = 200;
// Characters of a group (a department, an identity): a short label.
inline constexpr int MaxGroupChars = 50;

// Characters one import may read in all: the most rows a sheet may have, each with a number and
// a name and a remark at their bounds. A file past it (one long shared text in every row) is
// stopped early instead of being checked row after row.
inline constexpr qint64 MaxImportChars =
    200000LL * (8 + MaxNameChars + MaxRemarkChars + MaxGroupChars);

// Characters of a refused row kept for the result window: enough to recognise the row.
inline constexpr int MaxExcerptChars = 120;

enum class Problem
{
    None,
    Undecodable, // U+FFFD: bytes the file's encoding could not decode
    Control,     // a control character (NUL, line break...): lost or cut on the way
    Surrogate,   // half of a UTF-16 pair: no character at all
    Invisible,   // only characters that show nothing (zero-width, format marks)
    TooLong
};

// A number, name, remark or group as it is stored: the blanks around it (spaces, tabs, full-width
// spaces) cut off, wherever it was entered (a cell of an import, the participant dialog), so
// that " X1 " and "X1" are one participant.
QString Trimmed(const QString& text);

// The first problem of text as a number (id true) or a name or remark of at most maxChars.
// Blanks and invisible marks inside a name are kept; a number must show something.
Problem Check(const QString& text, bool id, int maxChars);

// The reason for the result window.
QString ReasonText(Problem problem, int maxChars);

// At most maxChars of text, cut between characters, with "…" when something was cut.
QString Cut(const QString& text, int maxChars);

// The same for the result window, where control, invisible and broken characters are shown by
// a visible stand-in.
QString Excerpt(const QString& text, int maxChars = MaxExcerptChars);

} // namespace PersonText
