// SPDX-License-Identifier: GPL-3.0-or-later
// The XML of an .xlsx workbook without the container in the way: the input is the text of its
// parts, separated by 0xFF bytes, in the order of PartNames; the target packs them into a zip
// (stored, so the checksums always match) and reads that. Mutations of the XML then reach the
// reader instead of failing the container's checksums.
#include "support/FuzzSupport.h"
#include "support/WorkbookChecks.h"
#include "platform/workbook/XlsxReader.h"

#include <QFile>

#include <zip.h>

namespace {

const char* const PartNames[] = {
    "[Content_Types].xml",
    "_rels/.rels",
    "xl/workbook.xml",
    "xl/_rels/workbook.xml.rels",
    "xl/worksheets/sheet1.xml",
    "xl/sharedStrings.xml",
    "xl/styles.xml",
    "xl/worksheets/sheet2.xml",
};

QByteArray Pack(const QList<QByteArray>& parts)
{
    const QString path = FuzzSupport::WriteScratchFile(QByteArray(), QStringLiteral(".zip"));
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_TRUNCATE, &error);
    FUZZ_CHECK(zip != nullptr);
    const auto count = std::min<qsizetype>(parts.size(), std::size(PartNames));
    for (qsizetype i = 0; i < count; ++i) {
        zip_source_t* source =
            zip_source_buffer(zip, parts[i].constData(), zip_uint64_t(parts[i].size()), 0);
        const zip_int64_t index = zip_file_add(zip, PartNames[i], source, ZIP_FL_ENC_UTF_8);
        FUZZ_CHECK(index >= 0);
        zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
    }
    FUZZ_CHECK(zip_close(zip) == 0);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray package = Pack(FuzzSupport::Bytes(data, size).split('\xFF'));
    WorkbookChecks::CheckReader([&] { return XlsxReader::Read(package); });
    return 0;
}
