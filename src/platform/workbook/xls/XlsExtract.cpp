// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/xls/XlsExtract.h"

#include "platform/workbook/NumberText.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"
#include "platform/workbook/XlsStreamReader.h"
#include "platform/workbook/XlsStreamWriter.h"

#include <QBuffer>
#include <QFile>
#include <freexl.h>

#include <cstring>

namespace {

class FreeXlHandle
{
public:
    ~FreeXlHandle()
    {
        if (m_handle) {
            freexl_close(m_handle);
        }
    }
    const void* m_handle = nullptr;
};

// Ends the stream with the library's refusal; false for FREEXL_OK.
bool Refused(int result, XlsStreamWriter& out)
{
    if (result == FREEXL_OK) {
        return false;
    }
    // Past the reader's memory limit the library may also lose its own handle on the way.
    if (result == FREEXL_INSUFFICIENT_MEMORY || result == FREEXL_NULL_HANDLE) {
        out.Fail(XlsStream::Failure::OutOfMemory, result);
    } else if (result == FREEXL_BIFF_WORKBOOK_NOT_FOUND || result == FREEXL_INVALID_CFBF_HEADER) {
        out.Fail(XlsStream::Failure::NotWorkbook, result);
    } else {
        out.Fail(XlsStream::Failure::Damaged, result);
    }
    return true;
}

// Writes one sheet's non-empty cells; false once the workbook is past its cell bound.
bool ExtractCells(const void* xls, unsigned int rows, unsigned short columns, XlsStreamWriter& out)
{
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value;
            if (Refused(freexl_get_cell_value(xls, row, column, &value), out)) {
                return false;
            }
            QByteArray number;
            QByteArrayView text;
            CellKind kind = CellKind::Text;
            switch (value.type) {
            case FREEXL_CELL_INT:
                kind = CellKind::Number;
                number = QByteArray::number(value.value.int_value);
                text = number;
                break;
            case FREEXL_CELL_DOUBLE:
                kind = CellKind::Number;
                number = NumberText::FromDouble(value.value.double_value).toUtf8();
                text = number;
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                if (value.value.text_value) {
                    text = QByteArrayView(value.value.text_value,
                                          qsizetype(std::strlen(value.value.text_value)));
                }
                break;
            default:
                break;
            }
            if (text.isEmpty()) {
                continue;
            }
            out.Cell(row + 1, column + 1u, kind, text);
            if (out.Cells() > quint64(WorkbookLimits::MaxCells)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

namespace XlsExtract {

void Extract(const QString& path, XlsStreamWriter& out)
{
    FreeXlHandle xls;
    // FreeXL keeps the handle even when opening fails; it must be closed either way.
    if (Refused(freexl_open(QFile::encodeName(path).constData(), &xls.m_handle), out)) {
        return;
    }
    unsigned int info = 0;
    if (freexl_get_info(xls.m_handle, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
        info == FREEXL_BIFF_OBFUSCATED) {
        out.Fail(XlsStream::Failure::Password, 0);
        return;
    }
    unsigned int sheetCount = 0;
    if (Refused(freexl_get_info(xls.m_handle, FREEXL_BIFF_SHEET_COUNT, &sheetCount), out)) {
        return;
    }
    for (unsigned int index = 0; index < sheetCount; ++index) {
        const auto sheet = static_cast<unsigned short>(index);
        const char* utf8Name = nullptr;
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (Refused(freexl_get_worksheet_name(xls.m_handle, sheet, &utf8Name), out) ||
            Refused(freexl_select_active_worksheet(xls.m_handle, sheet), out) ||
            Refused(freexl_worksheet_dimensions(xls.m_handle, &rows, &columns), out)) {
            return;
        }
        out.Sheet(utf8Name ? QByteArrayView(utf8Name, qsizetype(std::strlen(utf8Name)))
                           : QByteArrayView(),
                  rows);
        if (rows > unsigned(WorkbookLimits::MaxRows) ||
            index >= unsigned(WorkbookLimits::MaxSheets) ||
            !ExtractCells(xls.m_handle, rows, columns, out)) {
            break;
        }
    }
    if (!out.Failed()) {
        out.End();
    }
}

std::unique_ptr<Workbook> ReadInProcess(const QString& path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    XlsStreamWriter writer(buffer);
    Extract(path, writer);
    writer.Flush();
    XlsStreamReader reader;
    reader.Feed(buffer.data());
    if (reader.Status() == XlsStreamReader::State::Failed) {
        throw WorkbookError(reader.FailureMessage());
    }
    return reader.Take();
}

} // namespace XlsExtract
