// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/CExcelWorkbooks.h"

#include "exchange/excel/ExcelServer.h"
#include "exchange/excel/MissingArgument.h"

CExcelWorkbooks::CExcelWorkbooks(std::shared_ptr<ExcelServer> server) : m_server(std::move(server))
{}

CExcelWorkbook CExcelWorkbooks::Add(const QVariant& templatePath)
{
    if (!m_server) {
        ThrowDetachedDispatch();
    }
    return InvokeExcel([&] {
        if (IsMissingArgument(templatePath)) {
            return CExcelWorkbook(m_server->Add(Workbook::CreateEmpty()));
        }
        const QString path = templatePath.toString();
        const QString file = Workbook::FindTemplate(path);
        if (file.isEmpty()) {
            throw WorkbookError(Workbook::tr("找不到文件：%1").arg(path));
        }
        return CExcelWorkbook(m_server->Add(Workbook::Open(file)));
    });
}
