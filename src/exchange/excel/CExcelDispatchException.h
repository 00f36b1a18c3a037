// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/workbook/WorkbookError.h"

// A spreadsheet call failed (no such sheet, a file that is not a workbook, a save refused).
// Raised by the CExcel* wrappers; each caller decides what to catch. Description() says why,
// in words for the operator.
class CExcelDispatchException : public WorkbookError
{
public:
    using WorkbookError::WorkbookError;
    const QString& Description() const { return Message(); }
};
