// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where an import reports, in the order it works: the result window of the participant dialog
// (through the user-interface thread) or the command line's output.
class ImportSink
{
public:
    virtual ~ImportSink() = default;

    // The header passed: the results are emptied and shown.
    virtual void ResetResults() = 0;
    // Running totals after every row.
    virtual void SetCounts(int total, int imported, int rejected) = 0;
    // A rejected row: "ID - name - remark" and the reason text.
    virtual void AddFailure(const QString& rowText, const QString& reason) = 0;
    // The workbook has no sheet "sheet1": the dialog offers to open the template workbook, the
    // command line says where it lies.
    virtual void SheetMissing() = 0;
};
