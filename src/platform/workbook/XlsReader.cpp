#include "XlsReader.h"

#include "CellReference.h"
#include "NumberText.h"
#include "Workbook.h"
#include "WorkbookError.h"
#include "WorkbookLimits.h"

#include <QFile>
#include <freexl.h>

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

void Check(int result)
{
    if (result == FREEXL_OK) {
        return;
    }
    if (result == FREEXL_INSUFFICIENT_MEMORY) {
        throw WorkbookError(Workbook::tr("工作簿太大，内存不足"));
    }
    if (result == FREEXL_BIFF_WORKBOOK_NOT_FOUND || result == FREEXL_INVALID_CFBF_HEADER) {
        throw WorkbookError(Workbook::tr("文件不是工作簿"));
    }
    throw WorkbookError(Workbook::tr("工作簿文件已损坏（.xls，错误 %1）").arg(result));
}

} // namespace

namespace XlsReader {

std::unique_ptr<Workbook> Read(const QString& path)
{
    FreeXlHandle xls;
    // FreeXL keeps the handle even when opening fails; it must be closed either way.
    Check(freexl_open(QFile::encodeName(path).constData(), &xls.m_handle));
    unsigned int info = 0;
    if (freexl_get_info(xls.m_handle, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
        info == FREEXL_BIFF_OBFUSCATED) {
        throw WorkbookError(Workbook::tr("工作簿有密码保护，无法读取"));
    }
    unsigned int sheetCount = 0;
    Check(freexl_get_info(xls.m_handle, FREEXL_BIFF_SHEET_COUNT, &sheetCount));

    auto workbook = std::make_unique<Workbook>();
    qint64 cellBudget = WorkbookLimits::MaxCells;
    for (unsigned int index = 0; index < sheetCount; ++index) {
        const char* utf8Name = nullptr;
        Check(
            freexl_get_worksheet_name(xls.m_handle, static_cast<unsigned short>(index), &utf8Name));
        const QString name = QString::fromUtf8(utf8Name ? utf8Name : "");
        Check(freexl_select_active_worksheet(xls.m_handle, static_cast<unsigned short>(index)));
        unsigned int rows = 0;
        unsigned short columns = 0;
        Check(freexl_worksheet_dimensions(xls.m_handle, &rows, &columns));
        if (rows > unsigned(WorkbookLimits::MaxRows)) {
            throw WorkbookError(Workbook::tr("工作表“%1”超过 %2 行，不予读取")
                                    .arg(name)
                                    .arg(WorkbookLimits::MaxRows));
        }
        auto sheet = std::make_unique<Worksheet>(name);
        sheet->SetOriginalName(name);
        for (unsigned int row = 0; row < rows; ++row) {
            for (unsigned short column = 0; column < columns; ++column) {
                FreeXL_CellValue value;
                Check(freexl_get_cell_value(xls.m_handle, row, column, &value));
                WorksheetCell cell;
                cell.column = column + 1;
                switch (value.type) {
                case FREEXL_CELL_INT:
                    cell.kind = CellKind::Number;
                    cell.text = QString::number(value.value.int_value);
                    break;
                case FREEXL_CELL_DOUBLE:
                    cell.kind = CellKind::Number;
                    cell.text = NumberText::FromDouble(value.value.double_value);
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    cell.text =
                        QString::fromUtf8(value.value.text_value ? value.value.text_value : "");
                    break;
                default:
                    break;
                }
                if (cell.text.isEmpty()) {
                    continue;
                }
                if (cell.text.size() > WorkbookLimits::MaxCellChars) {
                    throw WorkbookError(Workbook::tr("单元格 %1 的内容超过 %2 个字符，不予读取")
                                            .arg(CellReference::Name(int(row) + 1, cell.column))
                                            .arg(WorkbookLimits::MaxCellChars));
                }
                if (--cellBudget < 0) {
                    throw WorkbookError(Workbook::tr("工作簿的单元格超过 %1 个，不予读取")
                                            .arg(WorkbookLimits::MaxCells));
                }
                sheet->StoreCell(int(row) + 1, std::move(cell));
            }
        }
        workbook->AddSheet(std::move(sheet));
    }
    if (workbook->SheetCount() == 0) {
        throw WorkbookError(Workbook::tr("工作簿中没有工作表"));
    }
    return workbook;
}

} // namespace XlsReader
