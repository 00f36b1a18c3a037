// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/FuzzSupport.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"

#include <QStringList>

#include <cstdio>

// Checks shared by the workbook targets: what a reader returns stays within the engine's limits,
// and a workbook saved as .xlsx reads back with the same sheets and cell texts.
namespace WorkbookChecks {

// The text as the .xlsx writer can store it: XML holds no control characters other than tab,
// line feed and carriage return, no unpaired surrogates and no U+FFFE or U+FFFF; and the reader
// drops a byte-order mark at the start of a text.
inline QString Storable(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += ch;
            out += text[++i];
        } else if (!ch.isSurrogate() && ch.unicode() != 0xFFFE && ch.unicode() != 0xFFFF &&
                   (ch.unicode() >= 0x20 || ch == u'\t' || ch == u'\n' || ch == u'\r')) {
            out += ch;
        }
    }
    if (out.startsWith(QChar(0xFEFF))) {
        out.remove(0, 1);
    }
    return out;
}

// Every sheet's name and cells as text, one line per cell; with storable, as the writer can
// store them (cells left empty then are left out).
inline QStringList Cells(const Workbook& workbook, bool storable = false)
{
    QStringList lines;
    qint64 cells = 0;
    FUZZ_CHECK(workbook.SheetCount() <= WorkbookLimits::MaxSheets);
    for (int i = 0; i < workbook.SheetCount(); ++i) {
        const Worksheet& sheet = workbook.Sheet(i);
        lines << QStringLiteral("sheet %1").arg(storable ? Storable(sheet.Name()) : sheet.Name());
        FUZZ_CHECK(sheet.LastRow() <= WorkbookLimits::MaxRows);
        for (int row = 1; row <= sheet.LastRow(); ++row) {
            for (const WorksheetCell& cell : sheet.Rows()[row - 1].cells) {
                FUZZ_CHECK(cell.column >= 1 && cell.column <= WorkbookLimits::MaxColumns);
                FUZZ_CHECK(cell.text.size() <= WorkbookLimits::MaxCellChars);
                FUZZ_CHECK(sheet.CellText(row, cell.column) == cell.text);
                const QString text = storable ? Storable(cell.text) : cell.text;
                if (!text.isEmpty()) {
                    lines << QStringLiteral("%1,%2 %3").arg(row).arg(cell.column).arg(text);
                }
                ++cells;
            }
        }
    }
    FUZZ_CHECK(cells <= WorkbookLimits::MaxCells);
    return lines;
}

// Saves the workbook as .xlsx and reads it again: nothing the format can hold may be lost or
// changed. A workbook read from an .xlsx file keeps its parts as they were, cells included.
inline void CheckSavedCopy(const Workbook& workbook)
{
    const QStringList cells = Cells(workbook, workbook.Package().isEmpty());
    const QString path = FuzzSupport::WriteScratchFile(QByteArray(), QStringLiteral(".xlsx"));
    try {
        workbook.SaveAs(path);
    } catch (const WorkbookError&) {
        // A workbook the writer refuses (a sheet name the format does not allow) is reported.
        return;
    }
    std::unique_ptr<Workbook> copy;
    try {
        copy = Workbook::Open(path);
    } catch (const WorkbookError&) {
        FuzzSupport::Fail("a saved workbook cannot be read again");
    }
    const QStringList copied = Cells(*copy);
    if (copied != cells) {
        // Say where they part, for whoever looks at the finding.
        qsizetype i = 0;
        while (i < cells.size() && i < copied.size() && cells[i] == copied[i]) {
            ++i;
        }
        std::fprintf(stderr, "read:  %s\nsaved: %s\n",
                     qPrintable(cells.value(i).toUtf8().toPercentEncoding(" ,")),
                     qPrintable(copied.value(i).toUtf8().toPercentEncoding(" ,")));
        FuzzSupport::Fail("the saved workbook reads back differently");
    }
}

// Reads with read (a reader's call): either a message for the operator, or a workbook within
// the limits that survives being saved.
template <class Read> void CheckReader(Read read)
{
    std::unique_ptr<Workbook> workbook;
    try {
        workbook = read();
    } catch (const WorkbookError& error) {
        FUZZ_CHECK(!error.Message().isEmpty());
        return;
    }
    Cells(*workbook);
    CheckSavedCopy(*workbook);
}

} // namespace WorkbookChecks
