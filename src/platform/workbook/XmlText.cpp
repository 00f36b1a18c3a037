// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XmlText.h"

#include <QStringEncoder>

namespace XmlText {

namespace {

bool NeedsWork(QStringView text)
{
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x20 || u == u'&' || u == u'<' || u == u'>' || u == u'"' || u >= 0xD800) {
            return true;
        }
    }
    return false;
}

// Line breaks and tabs survive in element text, but an XML reader turns a carriage return into a
// line feed, and all three into blanks inside attribute values: those go as character references.
QString EscapeFor(QStringView text, bool attribute)
{
    if (!NeedsWork(text)) {
        return text.toString();
    }
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        switch (u) {
        case u'&':
            out += u"&amp;";
            continue;
        case u'<':
            out += u"&lt;";
            continue;
        case u'>':
            out += u"&gt;";
            continue;
        case u'"':
            out += u"&quot;";
            continue;
        case u'\r':
            out += u"&#13;";
            continue;
        case u'\t':
        case u'\n':
            if (attribute) {
                out += u == u'\t' ? u"&#9;" : u"&#10;";
            } else {
                out += QChar(u);
            }
            continue;
        default:
            break;
        }
        if (u < 0x20 || u == 0xFFFE || u == 0xFFFF) {
            continue;
        }
        if (QChar::isHighSurrogate(u)) {
            if (i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                out += QChar(u);
                out += text[++i];
            }
            continue;
        }
        if (QChar::isLowSurrogate(u)) {
            continue;
        }
        out += QChar(u);
    }
    return out;
}

} // namespace

QString Escape(QStringView text)
{
    return EscapeFor(text, true);
}

void AppendEscaped(QByteArray& out, QStringView text)
{
    if (!NeedsWork(text)) {
        // Encoded straight into the buffer: a sheet of 100,000 rows has hundreds of thousands.
        const qsizetype used = out.size();
        out.resize(used + text.size() * 3);
        QStringEncoder encoder(QStringEncoder::Utf8);
        char* end = encoder.appendToBuffer(out.data() + used, text);
        out.truncate(end - out.constData());
        return;
    }
    out += EscapeFor(text, false).toUtf8();
}

QString Unescape(QStringView text)
{
    if (!text.contains(u'&')) {
        return text.toString();
    }
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype semicolon = text[i] == u'&' ? text.indexOf(u';', i) : -1;
        if (semicolon < 0 || semicolon - i > 10) {
            out += text[i];
            continue;
        }
        const QStringView entity = text.mid(i + 1, semicolon - i - 1);
        if (entity == u"amp") {
            out += u'&';
        } else if (entity == u"lt") {
            out += u'<';
        } else if (entity == u"gt") {
            out += u'>';
        } else if (entity == u"quot") {
            out += u'"';
        } else if (entity == u"apos") {
            out += u'\'';
        } else if (entity.startsWith(u'#')) {
            bool ok = false;
            const uint code = entity.startsWith(u"#x") ? entity.mid(2).toUInt(&ok, 16)
                                                       : entity.mid(1).toUInt(&ok, 10);
            if (!ok || code > 0x10FFFF) {
                out += text[i];
                continue;
            }
            out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        } else {
            out += text[i];
            continue;
        }
        i = semicolon;
    }
    return out;
}

} // namespace XmlText
