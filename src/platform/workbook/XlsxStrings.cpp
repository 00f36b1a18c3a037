// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsxStrings.h"

#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"
#include "platform/workbook/XmlPart.h"

#include <algorithm>

namespace {

// Characters that XML cannot carry are written as _xHHHH_ (a carriage return as _x000D_).
QString DecodeEscapes(const QString& text)
{
    QString out;
    qsizetype copied = 0;
    for (qsizetype at = text.indexOf(u"_x"); at >= 0 && at + 7 <= text.size();
         at = text.indexOf(u"_x", at + 1)) {
        // Exactly four hex digits: the number parser would also take blanks and a sign.
        const QStringView digits = QStringView(text).mid(at + 2, 4);
        const bool hex = std::all_of(digits.begin(), digits.end(), [](QChar ch) {
            return ch.isDigit() || (ch.toLower() >= u'a' && ch.toLower() <= u'f');
        });
        bool ok = false;
        const ushort code = hex ? digits.toUShort(&ok, 16) : 0;
        if (!ok || text[at + 6] != u'_') {
            continue;
        }
        out += QStringView(text).mid(copied, at - copied);
        out += QChar(code);
        copied = at + 7;
        at += 6;
    }
    if (copied == 0) {
        return text;
    }
    out += QStringView(text).mid(copied);
    return out;
}

} // namespace

namespace XlsxStrings {

QString ItemText(const pugi::xml_node& item)
{
    QByteArray utf8;
    for (const pugi::xml_node& child : item.children()) {
        if (XmlPart::Is(child, "t")) {
            utf8 += child.child_value();
        } else if (XmlPart::Is(child, "r")) {
            for (const pugi::xml_node& run : child.children()) {
                if (XmlPart::Is(run, "t")) {
                    utf8 += run.child_value();
                }
            }
        }
    }
    QString text = QString::fromUtf8(utf8);
    return utf8.contains("_x") ? DecodeEscapes(text) : text;
}

QStringList ReadShared(QByteArray xml, const QString& part)
{
    const XmlPart strings(std::move(xml), part);
    QStringList texts;
    for (const pugi::xml_node& item : strings.Root().children()) {
        if (!XmlPart::Is(item, "si")) {
            continue;
        }
        if (texts.size() >= WorkbookLimits::MaxCells) {
            throw WorkbookError(
                Workbook::tr("工作簿的字符串超过 %1 个").arg(WorkbookLimits::MaxCells));
        }
        texts.append(ItemText(item));
    }
    return texts;
}

} // namespace XlsxStrings
