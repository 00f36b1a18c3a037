// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Text as the Windows version of the program stored and measured it: files written there are
// GBK, and lengths were counted in GBK bytes (1 for ASCII, 2 for a Chinese character).
namespace GbkText {

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(const QByteArray& bytes);

// Text of a file that may come from either platform: a byte-order mark decides (UTF-8, UTF-16
// or UTF-32, either byte order, as Windows editors offer them) and is dropped; without one, valid
// UTF-8 is read as UTF-8, and so is text whose multibyte sequences are almost all well-formed
// UTF-8 (a stray byte does not turn a whole file into GBK); anything else is GBK (through
// GB18030, its superset). Bytes that do not decode become U+FFFD, which callers that store the
// text refuse; this never fails.
QString DecodeFileText(const QByteArray& bytes);

// GBK bytes of one code point: 1 below U+0080, 2 otherwise.
int UnitsOf(char32_t codePoint);

// Length of the text in GBK bytes.
int ByteLength(const QString& text);

// The longest prefix of text that fits in maxBytes GBK bytes; never cuts inside a character.
QString TruncateToBytes(const QString& text, int maxBytes);

} // namespace GbkText
