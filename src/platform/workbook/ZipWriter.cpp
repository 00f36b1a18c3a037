// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/ZipWriter.h"

#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/ZipArchive.h"

#include <QFile>
#include <zip.h>

namespace {

constexpr int DeflateLevel = 1;

} // namespace

ZipWriter::ZipWriter(const QString& path) : m_path(path)
{
    int error = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!m_zip) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, error);
        const QString reason = QString::fromLocal8Bit(zip_error_strerror(&zipError));
        zip_error_fini(&zipError);
        throw WorkbookError(Workbook::tr("无法写入 %1：%2").arg(path, reason));
    }
}

ZipWriter::~ZipWriter()
{
    if (m_zip) {
        zip_discard(m_zip);
    }
}

void ZipWriter::Add(const QString& name, const QByteArray& data)
{
    m_buffers.push_back(data);
    const QByteArray& kept = m_buffers.back();
    zip_source_t* source = zip_source_buffer(m_zip, kept.constData(), zip_uint64_t(kept.size()), 0);
    AddSource(name, source);
}

void ZipWriter::Copy(const ZipArchive& from, qint64 index)
{
    zip_source_t* source = zip_source_zip(m_zip, from.Handle(), zip_uint64_t(index), 0, 0, -1);
    AddSource(from.EntryName(index), source);
}

void ZipWriter::Close()
{
    if (zip_close(m_zip) != 0) {
        const QString reason = QString::fromLocal8Bit(zip_strerror(m_zip));
        throw WorkbookError(Workbook::tr("无法写入 %1：%2").arg(m_path, reason));
    }
    m_zip = nullptr;
}

void ZipWriter::AddSource(const QString& name, zip_source_t* source)
{
    if (!source) {
        throw WorkbookError(Workbook::tr("无法写入 %1：%2")
                                .arg(m_path, QString::fromLocal8Bit(zip_strerror(m_zip))));
    }
    const zip_int64_t index =
        zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        throw WorkbookError(Workbook::tr("无法写入 %1：%2")
                                .arg(m_path, QString::fromLocal8Bit(zip_strerror(m_zip))));
    }
    zip_set_file_compression(m_zip, zip_uint64_t(index), ZIP_CM_DEFLATE, DeflateLevel);
}
