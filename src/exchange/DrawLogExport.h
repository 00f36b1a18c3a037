// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CAdoDatabase;

// The draw log as a workbook an auditor can read: one row an entry, in order, with every
// stored field, so that each digest can be computed again from the row (see DrawLogEntry).
namespace DrawLogExport {

// Writes the log into a new .xlsx file at path, replacing a file there only once the new one is
// complete. False with the reason (the database's or the file's words) in *error.
bool Write(CAdoDatabase& database, const QString& path, QString* error);

} // namespace DrawLogExport
