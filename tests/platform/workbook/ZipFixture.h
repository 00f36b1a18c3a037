// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// Writes a zip file of the given entries (name, content), for hand-made test workbooks.
void WriteZip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries);

// The entries of a minimal .xlsx with one sheet "sheet1" whose part is sheetXml; extra entries
// are added or replace the defaults.
std::vector<std::pair<QString, QByteArray>> MinimalXlsx(const QByteArray& sheetXml,
                                                        const QByteArray& sharedStrings = {});
