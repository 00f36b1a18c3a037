// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class Workbook;
class ZipArchive;

// The sheets added to a workbook read from an .xlsx file (a template), for XlsxWriter: each
// becomes a new worksheet part, listed in the workbook part, its relationships and the content
// types, after the sheets the file had. Everything else of the file stays as it was.
class XlsxAddedSheets
{
public:
    // source: the package the workbook was read from.
    XlsxAddedSheets(const Workbook& workbook, const ZipArchive& source);

    bool IsEmpty() const { return m_parts.isEmpty(); }
    // Whether the package's entry (its name lower-cased) changes with the added sheets.
    bool Changes(const QString& key) const { return m_changed.contains(key); }
    // The entry's content with the added sheets listed. Throws WorkbookError when the entry
    // lacks the element they go into.
    QByteArray Rewrite(const QString& key, const QByteArray& xml) const;
    // The new worksheet parts: their names in the package and their content.
    const QList<QPair<QString, QByteArray>>& Parts() const { return m_parts; }

private:
    QHash<QString, QByteArray> m_changed; // entry key -> the elements to append
    QList<QPair<QString, QByteArray>> m_parts;
};
