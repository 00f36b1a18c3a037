// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/ZipArchive.h"

#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"

#include <QSet>

#include <zip.h>

ZipArchive::ZipArchive(const QByteArray& bytes) : m_bytes(bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(
        m_bytes.constData(), static_cast<zip_uint64_t>(m_bytes.size()), 0, &error);
    if (source) {
        m_zip = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (!m_zip) {
            zip_source_free(source);
        }
    }
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (!m_zip) {
        if (code == ZIP_ER_NOZIP) {
            throw NotWorkbookError();
        }
        throw WorkbookError(Workbook::tr("工作簿文件已损坏"));
    }
    // Parts are found regardless of case, and programs differ in which of two entries of one
    // name they take: a package where that choice matters could show one list on screen and
    // import another.
    QSet<QString> names;
    const qint64 count = EntryCount();
    for (qint64 index = 0; index < count; ++index) {
        const QString original = EntryName(index);
        const QString name = original.toLower();
        if (names.contains(name)) {
            zip_discard(m_zip);
            m_zip = nullptr;
            throw WorkbookError(
                Workbook::tr("工作簿文件有两个同名的部件 %1，无法确定该读哪一个，不予读取")
                    .arg(original));
        }
        names.insert(name);
    }
}

ZipArchive::~ZipArchive()
{
    if (m_zip) {
        zip_discard(m_zip);
    }
}

qint64 ZipArchive::Find(const QString& name) const
{
    return zip_name_locate(m_zip, name.toUtf8().constData(), ZIP_FL_NOCASE | ZIP_FL_ENC_GUESS);
}

qint64 ZipArchive::EntryCount() const
{
    return zip_get_num_entries(m_zip, 0);
}

QString ZipArchive::EntryName(qint64 index) const
{
    const char* name = zip_get_name(m_zip, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_GUESS);
    return name ? QString::fromUtf8(name) : QString();
}

QByteArray ZipArchive::Read(const QString& name) const
{
    const qint64 index = Find(name);
    if (index < 0) {
        throw WorkbookError(Workbook::tr("工作簿文件不完整，缺少 %1").arg(name));
    }
    return Read(index);
}

QByteArray ZipArchive::Read(qint64 index) const
{
    const QString name = EntryName(index);
    const auto tooLarge = [&] {
        return WorkbookError(Workbook::tr("工作簿中的 %1 解压后超过 %2 MB，不予读取")
                                 .arg(name)
                                 .arg(WorkbookLimits::MaxPartBytes / (1024 * 1024)));
    };
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
        (stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(WorkbookLimits::MaxPartBytes)) {
        throw tooLarge();
    }
    zip_file_t* file = zip_fopen_index(m_zip, static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        throw DamagedWorkbookError(name);
    }
    QByteArray data;
    if (stat.valid & ZIP_STAT_SIZE) {
        data.reserve(static_cast<qsizetype>(stat.size));
    }
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
        if (n < 0) {
            zip_fclose(file);
            throw DamagedWorkbookError(name);
        }
        if (n == 0) {
            break;
        }
        m_bytesRead += n;
        if (data.size() + n > WorkbookLimits::MaxPartBytes) {
            zip_fclose(file);
            throw tooLarge();
        }
        if (m_bytesRead > WorkbookLimits::MaxPackageBytes) {
            zip_fclose(file);
            throw WorkbookError(Workbook::tr("工作簿解压后超过 %1 MB，不予读取")
                                    .arg(WorkbookLimits::MaxPackageBytes / (1024 * 1024)));
        }
        data.append(buffer, static_cast<qsizetype>(n));
    }
    zip_fclose(file);
    return data;
}
