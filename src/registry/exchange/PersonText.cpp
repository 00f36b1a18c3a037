// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonText.h"

#include <QCoreApplication>

namespace PersonText {

namespace {

bool IsInvisible(char32_t cp)
{
    return cp == 0x00AD || cp == 0x034F || cp == 0x115F || cp == 0x1160 || cp == 0x180E ||
           (cp >= 0x200B && cp <= 0x200F) || (cp >= 0x202A && cp <= 0x202E) ||
           (cp >= 0x2060 && cp <= 0x206F) || cp == 0x3164 || cp == 0xFEFF || cp == 0xFFA0 ||
           (cp >= 0xFE00 && cp <= 0xFE0F) || (cp >= 0xE0000 && cp <= 0xE0FFF);
}

} // namespace

Problem Check(const QString& text, bool id, int maxChars)
{
    bool visible = false;
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++characters) {
        const QChar ch = text.at(i);
        char32_t cp = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(ch, text.at(++i));
        } else if (ch.isSurrogate()) {
            return Problem::Surrogate;
        }
        if (cp == QChar::ReplacementCharacter) {
            return Problem::Undecodable;
        }
        if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029) {
            return Problem::Control;
        }
        visible = visible || (!IsInvisible(cp) && !QChar::isSpace(cp));
    }
    if (id && !text.isEmpty() && !visible) {
        return Problem::Invisible;
    }
    return characters > maxChars ? Problem::TooLong : Problem::None;
}

QString ReasonText(Problem problem, int maxChars)
{
    switch (problem) {
    case Problem::None:
        break;
    case Problem::Undecodable:
        return QCoreApplication::translate("PersonText", "含有无法识别的字符（文件编码有误）");
    case Problem::Control:
        return QCoreApplication::translate("PersonText", "含有控制字符（如换行、空字符）");
    case Problem::Surrogate:
        return QCoreApplication::translate("PersonText", "含有残缺的字符（不成对的代理项）");
    case Problem::Invisible:
        return QCoreApplication::translate("PersonText", "编号只有看不见的字符");
    case Problem::TooLong:
        return QCoreApplication::translate("PersonText", "超过 %1 个字符").arg(maxChars);
    }
    return QString();
}

QString Excerpt(const QString& text, int maxChars)
{
    if (text.size() <= maxChars) {
        return text;
    }
    qsizetype cut = maxChars;
    if (text.at(cut - 1).isHighSurrogate()) {
        --cut;
    }
    return text.left(cut) + QChar(0x2026);
}

} // namespace PersonText
