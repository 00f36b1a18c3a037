// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/CsvReader.h"

#include "platform/workbook/CellReference.h"
#include "platform/core/GbkText.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"

namespace {

// The separator of the first line: a semicolon when it has more of them than commas.
QChar DetectSeparator(const QString& text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar ch : text) {
        if (ch == u'"') {
            quoted = !quoted;
        } else if (!quoted && (ch == u'\n' || ch == u'\r')) {
            break;
        } else if (!quoted && ch == u',') {
            ++commas;
        } else if (!quoted && ch == u';') {
            ++semicolons;
        }
    }
    return semicolons > commas ? u';' : u',';
}

} // namespace

namespace CsvReader {

std::unique_ptr<Workbook> Read(const QByteArray& bytes)
{
    const QString text = GbkText::DecodeFileText(bytes);
    const QChar separator = DetectSeparator(text);
    auto workbook = std::make_unique<Workbook>();
    Worksheet& sheet = workbook->AddSheet(std::make_unique<Worksheet>(QStringLiteral("sheet1")));
    sheet.SetOriginalName(sheet.Name());

    int row = 1;
    int column = 1;
    qint64 cells = 0;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    // Where the open quotation began: a quote that is never closed would take every row after
    // it into one cell.
    int quoteRow = 0;
    int quoteColumn = 0;
    const auto endField = [&] {
        if (!field.isEmpty()) {
            if (row > WorkbookLimits::MaxRows) {
                throw WorkbookError(Workbook::tr("工作表“%1”超过 %2 行，不予读取")
                                        .arg(sheet.Name())
                                        .arg(WorkbookLimits::MaxRows));
            }
            if (column > WorkbookLimits::MaxColumns) {
                throw WorkbookError(Workbook::tr("第 %1 行超过 %2 列，不予读取")
                                        .arg(row)
                                        .arg(WorkbookLimits::MaxColumns));
            }
            if (++cells > WorkbookLimits::MaxCells) {
                throw WorkbookError(Workbook::tr("工作簿的单元格超过 %1 个，不予读取")
                                        .arg(WorkbookLimits::MaxCells));
            }
            sheet.StoreCell(row, WorksheetCell{column, -1, CellKind::Text, field});
            field.clear();
        }
        fieldStarted = false;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = text[i];
        if (quoted) {
            if (ch == u'"') {
                if (i + 1 < size && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += ch;
            }
        } else if (ch == u'"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            quoteRow = row;
            quoteColumn = column;
        } else if (ch == separator) {
            endField();
            ++column;
        } else if (ch == u'\n' || ch == u'\r') {
            endField();
            if (ch == u'\r' && i + 1 < size && text[i + 1] == u'\n') {
                ++i;
            }
            ++row;
            column = 1;
        } else {
            field += ch;
            fieldStarted = true;
        }
        if (field.size() > WorkbookLimits::MaxCellChars) {
            throw WorkbookError(Workbook::tr("单元格 %1 的内容超过 %2 个字符，不予读取")
                                    .arg(CellReference::Name(row, column))
                                    .arg(WorkbookLimits::MaxCellChars));
        }
    }
    if (quoted) {
        throw WorkbookError(
            Workbook::tr("单元格 %1 的引号没有闭合，其后的各行都会并入这一格，不予读取")
                .arg(CellReference::Name(quoteRow, quoteColumn)));
    }
    endField();
    return workbook;
}

} // namespace CsvReader
