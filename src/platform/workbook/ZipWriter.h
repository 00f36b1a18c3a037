// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <list>

class ZipArchive;
typedef struct zip zip_t;
typedef struct zip_source zip_source_t;

// A zip written through libzip to a temporary file beside the target and renamed over it on
// Close; anything short of a successful Close leaves the target untouched. Every failure throws
// WorkbookError.
class ZipWriter
{
public:
    explicit ZipWriter(const QString& path);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    void Add(const QString& name, const QByteArray& data);
    // Copies entry index of from as it is stored, without inflating it.
    void Copy(const ZipArchive& from, qint64 index);
    void Close();

private:
    void AddSource(const QString& name, zip_source_t* source);

    QString m_path;
    zip_t* m_zip = nullptr;
    std::list<QByteArray> m_buffers; // libzip reads them at Close
};
