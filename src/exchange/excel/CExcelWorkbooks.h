// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/excel/CExcelWorkbook.h"

#include <QVariant>
#include <memory>

class ExcelServer;

// The open workbooks of one application.
class CExcelWorkbooks
{
public:
    CExcelWorkbooks() = default;
    explicit CExcelWorkbooks(std::shared_ptr<ExcelServer> server);

    // A new workbook made from the template file, which is only read: the path as given when it
    // names a file, otherwise with ".xlsx", then ".xls", added. MissingArgument gives an empty
    // workbook. Throws CExcelDispatchException when there is no such file or it cannot be read.
    CExcelWorkbook Add(const QVariant& templatePath);
    void ReleaseDispatch() { m_server.reset(); }
    bool IsAttached() const { return m_server != nullptr; }

private:
    std::shared_ptr<ExcelServer> m_server;
};
