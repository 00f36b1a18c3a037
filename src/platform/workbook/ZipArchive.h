// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

typedef struct zip zip_t;

// A zip container held in memory, read through libzip. Every read is bounded: an entry may not
// inflate beyond WorkbookLimits::MaxPartBytes, nor all entries read together beyond
// WorkbookLimits::MaxPackageBytes, whatever sizes the container claims.
class ZipArchive
{
public:
    // Throws WorkbookError when the bytes are no readable zip container.
    explicit ZipArchive(const QByteArray& bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Index of the entry with that name (letter case ignored), or -1.
    qint64 Find(const QString& name) const;
    qint64 EntryCount() const;
    QString EntryName(qint64 index) const;
    // The entry's uncompressed bytes; throws WorkbookError for a damaged or oversized entry.
    QByteArray Read(qint64 index) const;
    QByteArray Read(const QString& name) const;

    zip_t* Handle() const { return m_zip; }

private:
    QByteArray m_bytes; // libzip reads from this buffer; it must outlive m_zip
    zip_t* m_zip = nullptr;
    mutable qint64 m_bytesRead = 0;
};
