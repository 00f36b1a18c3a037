// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/WorkbookError.h"

#include "platform/workbook/Workbook.h"

WorkbookError::WorkbookError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{}

NotWorkbookError::NotWorkbookError() : WorkbookError(Workbook::tr("文件不是工作簿")) {}

DamagedWorkbookError::DamagedWorkbookError(const QString& part)
    : WorkbookError(Workbook::tr("工作簿文件已损坏（%1）").arg(part))
{}
