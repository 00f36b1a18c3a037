// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/SheetDataSplitter.h"

#include <cstring>

namespace {

// Offset just past the first token at or after from, or -1.
qsizetype After(const QByteArray& xml, const char* token, qsizetype from)
{
    const qsizetype at = xml.indexOf(token, from);
    return at < 0 ? -1 : at + qsizetype(std::strlen(token));
}

// The XML declaration names no encoding, or UTF-8.
bool DeclaresUtf8(const QByteArray& declaration)
{
    const qsizetype at = declaration.indexOf("encoding");
    if (at < 0) {
        return true;
    }
    const QByteArray rest = declaration.mid(at + 8).trimmed();
    if (!rest.startsWith('=')) {
        return false;
    }
    const QByteArray value = rest.mid(1).trimmed().toLower();
    return value.startsWith("\"utf-8\"") || value.startsWith("'utf-8'");
}

// The element name at the start of a tag is sheetData, with or without a namespace prefix.
bool IsSheetData(const char* name, qsizetype length)
{
    qsizetype end = 0;
    while (end < length && !std::strchr(" \t\r\n/>", name[end])) {
        ++end;
    }
    const QByteArray whole(name, end);
    const qsizetype colon = whole.indexOf(':');
    return (colon < 0 ? whole : whole.mid(colon + 1)) == "sheetData";
}

} // namespace

std::vector<qsizetype> SheetDataSplitter::Split(const QByteArray& xml, qsizetype runBytes)
{
    const char* data = xml.constData();
    const qsizetype size = xml.size();
    qsizetype at = xml.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if ((at < size && data[at] != '<') || xml.contains('\0')) {
        return {}; // another encoding, or text before the markup
    }
    int depth = 0;
    bool rootSeen = false;
    std::vector<qsizetype> cuts;
    for (;;) {
        const qsizetype open = xml.indexOf('<', at);
        if (open < 0 || open + 1 >= size) {
            return {};
        }
        const char next = data[open + 1];
        qsizetype end = -1;
        if (next == '?') {
            end = After(xml, "?>", open + 2);
            if (end > 0 && open == at && xml.mid(open, 5) == "<?xml" &&
                !DeclaresUtf8(xml.mid(open, end - open))) {
                return {};
            }
        } else if (xml.mid(open, 4) == "<!--") {
            end = After(xml, "-->", open + 4);
        } else if (xml.mid(open, 9) == "<![CDATA[") {
            end = After(xml, "]]>", open + 9);
        } else if (next == '!') {
            return {}; // a document type declaration may define entities
        } else {
            char quote = 0;
            qsizetype close = open + 1;
            for (; close < size; ++close) {
                const char c = data[close];
                if (quote) {
                    quote = c == quote ? 0 : quote;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
            if (close >= size) {
                return {};
            }
            end = close + 1;
            if (next == '/') {
                if (--depth < 1) {
                    return {};
                }
                if (!cuts.empty() && depth == 1) {
                    if (cuts.back() != open) {
                        cuts.push_back(open);
                    }
                    return cuts;
                }
            } else {
                const bool empty = data[close - 1] == '/';
                if (depth == 0 && rootSeen) {
                    return {}; // a second root element
                }
                rootSeen = true;
                if (cuts.empty() && depth == 1 && IsSheetData(data + open + 1, close - open - 1)) {
                    if (empty) {
                        return {};
                    }
                    cuts.push_back(end);
                }
                depth += empty ? 0 : 1;
            }
        }
        if (end < 0) {
            return {};
        }
        if (!cuts.empty() && depth == 2 && end - cuts.back() >= runBytes) {
            cuts.push_back(end);
        }
        at = end;
    }
}
