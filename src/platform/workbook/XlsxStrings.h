// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <pugixml.hpp>

// The texts of an .xlsx: shared strings and inline strings, read as plain text.
namespace XlsxStrings {

// Text of a string item (<si> or <is>): the plain <t>, or all runs' <t> joined; phonetic guides
// (<rPh>) are not part of the text. Characters XML cannot carry, written as _xHHHH_, are decoded.
QString ItemText(const pugi::xml_node& item);

// The shared strings part, in order. Throws WorkbookError past WorkbookLimits::MaxCells items.
QStringList ReadShared(QByteArray xml, const QString& part);

} // namespace XlsxStrings
