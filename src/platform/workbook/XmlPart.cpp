// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XmlPart.h"

#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"

#include <algorithm>
#include <cstring>

XmlPart::XmlPart(QByteArray bytes, const QString& name, Markup markup) : m_bytes(std::move(bytes))
{
    if (markup == Markup::Count) {
        CheckMarkup(m_bytes, name);
    }
    // A text of blanks alone is kept: <t xml:space="preserve"> </t> is a cell of one blank.
    const pugi::xml_parse_result result = m_document.load_buffer_inplace(
        m_bytes.data(), size_t(m_bytes.size()), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!result) {
        throw DamagedWorkbookError(name);
    }
}

void XmlPart::CheckMarkup(const QByteArray& bytes, const QString& name)
{
    qint64 tags = 0;
    qint64 attributes = 0;
    qint64 inTag = 0; // attributes of the open tag
    bool tag = false;
    char quote = 0;
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '<') {
            ++tags;
            tag = true;
            inTag = 0;
        } else if (tag && (c == '"' || c == '\'')) {
            quote = c;
        } else if (tag && c == '>') {
            tag = false;
        } else if (tag && c == '=') {
            ++attributes;
            if (++inTag > WorkbookLimits::MaxElementAttributes) {
                throw WorkbookError(Workbook::tr("工作簿中的 %1 有标记超过 %2 个属性，不予读取")
                                        .arg(name)
                                        .arg(WorkbookLimits::MaxElementAttributes));
            }
        }
        if (c == '&' && i + 2 < size && data[i + 1] == '#') {
            const qsizetype end = bytes.indexOf(';', i);
            bool ok = false;
            const QByteArray digits =
                bytes.mid(i + 2, end < 0 ? 0 : std::min<qsizetype>(end - i - 2, 12));
            const uint code =
                digits.startsWith('x') ? digits.mid(1).toUInt(&ok, 16) : digits.toUInt(&ok, 10);
            const bool allowed =
                ok &&
                (code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
                 (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF));
            if (!allowed) {
                throw WorkbookError(
                    Workbook::tr("工作簿文件已损坏（%1 含有无效的字符引用 %2）")
                        .arg(name, QString::fromLatin1(bytes.mid(
                                       i, std::min<qsizetype>(end < 0 ? 8 : end - i + 1, 16)))));
            }
        }
    }
    if (tags > WorkbookLimits::MaxPartTags) {
        throw WorkbookError(Workbook::tr("工作簿中的 %1 超过 %2 个标记，不予读取")
                                .arg(name)
                                .arg(WorkbookLimits::MaxPartTags));
    }
    if (attributes > WorkbookLimits::MaxPartAttributes) {
        throw WorkbookError(Workbook::tr("工作簿中的 %1 超过 %2 个属性，不予读取")
                                .arg(name)
                                .arg(WorkbookLimits::MaxPartAttributes));
    }
}

const char* XmlPart::LocalName(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

bool XmlPart::Is(const pugi::xml_node& node, const char* localName)
{
    return std::strcmp(LocalName(node.name()), localName) == 0;
}

pugi::xml_node XmlPart::Child(const pugi::xml_node& node, const char* localName)
{
    for (const pugi::xml_node& child : node.children()) {
        if (Is(child, localName)) {
            return child;
        }
    }
    return {};
}
