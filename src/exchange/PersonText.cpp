// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/PersonText.h"

#include <QCoreApplication>

#include <algorithm>

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

QString Trimmed(const QString& text)
{
    return text.trimmed();
}

Problem Check(const QString& text, bool id, int maxChars)
{
    if (text.size() > 2 * qsizetype(maxChars)) {
        return Problem::TooLong; // more characters than maxChars, whatever they are
    }
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

namespace {

// Where a text of at most maxChars ends: never between the halves of a surrogate pair.
qsizetype CutAt(const QString& text, int maxChars)
{
    qsizetype cut = std::min<qsizetype>(text.size(), maxChars);
    if (cut > 0 && cut < text.size() && text.at(cut - 1).isHighSurrogate()) {
        --cut;
    }
    return cut;
}

} // namespace

QString Cut(const QString& text, int maxChars)
{
    const qsizetype cut = CutAt(text, maxChars);
    return cut < text.size() ? text.left(cut) + QChar(0x2026) : text;
}

QString Excerpt(const QString& text, int maxChars)
{
    const qsizetype cut = CutAt(text, maxChars);
    // What the row held, made visible: a control character as its picture (NUL as ␀), an
    // invisible one as its code, half a surrogate pair as U+FFFD.
    QString out;
    out.reserve(cut + 1);
    for (qsizetype i = 0; i < cut; ++i) {
        const QChar ch = text.at(i);
        const char16_t u = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < cut && text.at(i + 1).isLowSurrogate()) {
            out += ch;
            out += text.at(++i);
        } else if (ch.isSurrogate()) {
            out += QChar::ReplacementCharacter;
        } else if (u < 0x20) {
            out += QChar(char16_t(0x2400 + u));
        } else if (u == 0x7F) {
            out += QChar(char16_t(0x2421));
        } else if ((u >= 0x80 && u <= 0x9F) || IsInvisible(u)) {
            out += QStringLiteral("<U+%1>").arg(uint(u), 4, 16, QLatin1Char('0')).toUpper();
        } else {
            out += ch;
        }
    }
    return cut < text.size() ? out + QChar(0x2026) : out;
}

} // namespace PersonText
