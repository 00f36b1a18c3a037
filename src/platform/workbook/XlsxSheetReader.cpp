// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsxSheetReader.h"

#include "platform/workbook/CellReference.h"
#include "platform/workbook/DateCells.h"
#include "platform/workbook/NumberText.h"
#include "platform/workbook/SheetDataSplitter.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"
#include "platform/workbook/XlsxStrings.h"
#include "platform/workbook/XmlPart.h"
#include "platform/workbook/XmlText.h"

#include <cstdlib>
#include <cstring>

namespace {

// Attributes as written in the file, less the two named ones: ` name="value"`...
QString SerializeAttributes(const pugi::xml_node& node, const char* skip1, const char* skip2)
{
    QString text;
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        if (std::strcmp(attribute.name(), skip1) == 0 ||
            std::strcmp(attribute.name(), skip2) == 0) {
            continue;
        }
        text += u' ';
        text += QString::fromUtf8(attribute.name());
        text += u"=\"";
        text += XmlText::Escape(QString::fromUtf8(attribute.value()));
        text += u'"';
    }
    return text;
}

} // namespace

XlsxSheetReader::XlsxSheetReader(const QStringList& shared, const NumberFormats& formats,
                                 Worksheet& sheet, qint64& cellBudget)
    : m_shared(shared), m_formats(formats), m_sheet(sheet), m_cellBudget(cellBudget)
{}

void XlsxSheetReader::Read(QByteArray xml, const QString& part)
{
    XmlPart::CheckMarkup(xml, part);
    const std::vector<qsizetype> cuts = SheetDataSplitter::Split(xml, RunBytes);
    if (cuts.empty()) {
        const XmlPart document(std::move(xml), part, XmlPart::Markup::Counted);
        ReadRows(XmlPart::Child(document.Root(), "sheetData"));
        return;
    }
    {
        const XmlPart outside(xml.left(cuts.front()) + xml.mid(cuts.back()), part,
                              XmlPart::Markup::Counted);
    }
    for (size_t run = 0; run + 1 < cuts.size(); ++run) {
        const XmlPart rows("<r>" + xml.mid(cuts[run], cuts[run + 1] - cuts[run]) + "</r>", part,
                           XmlPart::Markup::Counted);
        ReadRows(rows.Root());
    }
}

void XlsxSheetReader::ReadRows(const pugi::xml_node& data)
{
    for (const pugi::xml_node& row : data.children()) {
        if (!XmlPart::Is(row, "row")) {
            continue;
        }
        ReadRowStart(row);
        for (const pugi::xml_node& cell : row.children()) {
            if (XmlPart::Is(cell, "c")) {
                ReadCell(cell);
            }
        }
    }
}

void XlsxSheetReader::CheckRow(int row) const
{
    if (row > WorkbookLimits::MaxRows) {
        throw WorkbookError(Workbook::tr("工作表“%1”超过 %2 行，不予读取")
                                .arg(m_sheet.Name())
                                .arg(WorkbookLimits::MaxRows));
    }
}

void XlsxSheetReader::ReadRowStart(const pugi::xml_node& node)
{
    int row = m_row + 1;
    int column = 0;
    const char* reference = node.attribute("r").value();
    if (*reference && !CellReference::Parse(reference, row, column)) {
        throw DamagedWorkbookError(m_sheet.Name());
    }
    m_row = row;
    m_column = 0;
    CheckRow(m_row);
    // Rows mostly share their attributes (height, format): the text is built only when they
    // differ from the previous row's, and then shared.
    QByteArray raw;
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        if (std::strcmp(attribute.name(), "r") == 0 ||
            std::strcmp(attribute.name(), "spans") == 0) {
            continue;
        }
        raw += attribute.name();
        raw += '\0';
        raw += attribute.value();
        raw += '\0';
    }
    if (raw != m_lastRowRaw) {
        m_lastRowRaw = raw;
        m_lastRowAttributes = SerializeAttributes(node, "r", "spans");
    }
    if (!m_lastRowAttributes.isEmpty()) {
        m_sheet.SetRowAttributes(m_row, m_lastRowAttributes);
    }
}

void XlsxSheetReader::ReadCell(const pugi::xml_node& node)
{
    int row = m_row < 1 ? 1 : m_row;
    int column = m_column + 1;
    const char* reference = node.attribute("r").value();
    if (*reference && !CellReference::Parse(reference, row, column)) {
        throw DamagedWorkbookError(m_sheet.Name());
    }
    CheckRow(row);
    if (column > WorkbookLimits::MaxColumns) {
        throw DamagedWorkbookError(m_sheet.Name());
    }
    m_row = row;
    m_column = column;
    const char* type = node.attribute("t").value();
    const pugi::xml_attribute styleAttribute = node.attribute("s");
    const int style = styleAttribute ? styleAttribute.as_int(-1) : -1;

    const char* value = "";
    pugi::xml_node inlineString;
    pugi::xml_node formula;
    for (const pugi::xml_node& child : node.children()) {
        if (XmlPart::Is(child, "v")) {
            value = child.child_value();
        } else if (XmlPart::Is(child, "is")) {
            inlineString = child;
        } else if (XmlPart::Is(child, "f")) {
            formula = child;
        }
    }

    WorksheetCell cell;
    cell.column = column;
    cell.style = style;
    if (std::strcmp(type, "s") == 0) {
        char* end = nullptr;
        const long index = std::strtol(value, &end, 10);
        if (end == value || *end != '\0' || index < 0 || index >= m_shared.size()) {
            throw DamagedWorkbookError(m_sheet.Name());
        }
        cell.text = m_shared.at(index);
    } else if (std::strcmp(type, "inlineStr") == 0) {
        cell.text = inlineString ? XlsxStrings::ItemText(inlineString) : QString();
    } else if (std::strcmp(type, "str") == 0 || std::strcmp(type, "d") == 0) {
        cell.text = QString::fromUtf8(value);
    } else if (std::strcmp(type, "b") == 0) {
        cell.kind = CellKind::Boolean;
        cell.text = !*value                        ? QString()
                    : std::strcmp(value, "0") == 0 ? QStringLiteral("FALSE")
                                                   : QStringLiteral("TRUE");
    } else if (std::strcmp(type, "e") == 0) {
        cell.kind = CellKind::Error;
        cell.text = QString::fromUtf8(value);
    } else {
        cell.kind = CellKind::Number;
        cell.text = *value ? NumberText::FromStored(QString::fromUtf8(value)) : QString();
        if (*value && style >= 0 && size_t(style) < m_formats.dateStyles.size() &&
            m_formats.dateStyles[style]) {
            const QString date =
                DateCells::FromSerial(std::strtod(value, nullptr), m_formats.from1904);
            if (!date.isEmpty()) {
                cell.kind = CellKind::Date;
                cell.text = date;
            }
        }
    }
    if (cell.text.isEmpty() && style < 0 && !formula) {
        return;
    }
    if (cell.text.size() > WorkbookLimits::MaxCellChars) {
        throw WorkbookError(Workbook::tr("单元格 %1 的内容超过 %2 个字符，不予读取")
                                .arg(CellReference::Name(row, column))
                                .arg(WorkbookLimits::MaxCellChars));
    }
    if (--m_cellBudget < 0) {
        throw WorkbookError(
            Workbook::tr("工作簿的单元格超过 %1 个，不予读取").arg(WorkbookLimits::MaxCells));
    }
    m_sheet.StoreCell(row, std::move(cell));
    if (formula) {
        m_sheet.SetFormula(row, column, SerializeAttributes(formula, "", ""),
                           QString::fromUtf8(formula.child_value()));
    }
}
