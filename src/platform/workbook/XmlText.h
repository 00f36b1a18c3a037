// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Text placed into XML written by hand: the markup characters escaped, and characters that
// XML 1.0 cannot carry (control characters other than tab and line breaks, unpaired
// surrogates, U+FFFE and U+FFFF) left out.
namespace XmlText {

// For attribute values (tabs and line breaks as character references).
QString Escape(QStringView text);
// Appends the escaped text, for element content, as UTF-8.
void AppendEscaped(QByteArray& out, QStringView text);
// Resolves the five named entities and numeric character references of XML text.
QString Unescape(QStringView text);

} // namespace XmlText
