// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/Workbook.h"

#include "platform/workbook/CsvReader.h"
#include "platform/core/ProtectedFiles.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"
#include "platform/workbook/XlsReader.h"
#include "platform/workbook/XlsxReader.h"
#include "platform/workbook/XlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray ReadBounded(const QString& path)
{
    if (ProtectedFiles::Covers(path)) {
        throw WorkbookError(Workbook::tr("文件 %1 是本活动正在使用的数据库，不是工作簿").arg(path));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw WorkbookError(Workbook::tr("无法打开文件 %1：%2").arg(path, file.errorString()));
    }
    if (file.size() > WorkbookLimits::MaxFileBytes) {
        throw WorkbookError(Workbook::tr("文件 %1 超过 %2 MB，不予读取")
                                .arg(path)
                                .arg(WorkbookLimits::MaxFileBytes / (1024 * 1024)));
    }
    // Reading up to the limit at once would allocate the whole limit for any file; read what the
    // file says it holds and then on in pieces, for a file that grew or reports no size.
    QByteArray bytes = file.read(file.size() + 1);
    while (bytes.size() <= WorkbookLimits::MaxFileBytes && !file.atEnd() &&
           file.error() == QFileDevice::NoError) {
        const QByteArray piece = file.read(64 * 1024);
        if (piece.isEmpty()) {
            break;
        }
        bytes += piece;
    }
    if (bytes.size() > WorkbookLimits::MaxFileBytes) {
        throw WorkbookError(Workbook::tr("文件 %1 超过 %2 MB，不予读取")
                                .arg(path)
                                .arg(WorkbookLimits::MaxFileBytes / (1024 * 1024)));
    }
    if (file.error() != QFileDevice::NoError) {
        throw WorkbookError(Workbook::tr("无法读取文件 %1：%2").arg(path, file.errorString()));
    }
    return bytes;
}

// An OpenDocument package names its kind in an uncompressed first entry "mimetype".
bool IsOpenDocument(const QByteArray& bytes)
{
    static const QByteArray entry("mimetype");
    static const QByteArray kind("application/vnd.oasis.opendocument.");
    return bytes.mid(30, entry.size()) == entry && bytes.indexOf(kind) == 30 + entry.size();
}

QString FormatsText()
{
    return Workbook::tr("可以读取的格式：.xlsx、.xls、.csv。");
}

} // namespace

std::unique_ptr<Workbook> Workbook::Open(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        throw WorkbookError(Workbook::tr("文件不存在：%1").arg(path));
    }
    static const QByteArray zipMagic("PK\x03\x04", 4);
    static const QByteArray oleMagic("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const QByteArray bytes = ReadBounded(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (bytes.startsWith(zipMagic)) {
        if (IsOpenDocument(bytes)) {
            throw WorkbookError(
                Workbook::tr("文件 %1 是 OpenDocument 文件（如 .ods），无法读取。").arg(shown) +
                FormatsText() + Workbook::tr("请在电子表格程序中将它另存为 .xlsx 后再导入。"));
        }
        try {
            return XlsxReader::Read(bytes);
        } catch (const NotWorkbookError&) {
            throw WorkbookError(Workbook::tr("文件 %1 不是工作簿。").arg(shown) + FormatsText());
        }
    }
    if (bytes.startsWith(oleMagic)) {
        // A password-protected .xlsx is such a container too: its package is stored encrypted
        // in a stream of this name (UTF-16 in the directory).
        static const QByteArray encrypted =
            QByteArray::fromRawData(reinterpret_cast<const char*>(u"EncryptedPackage"), 32);
        if (bytes.contains(encrypted)) {
            throw WorkbookError(
                Workbook::tr("工作簿 %1 有密码保护，无法读取；请在电子表格程序中取消密码后另存，"
                             "再导入")
                    .arg(QDir::toNativeSeparators(path)));
        }
        return XlsReader::Read(path);
    }
    const QString suffix = info.suffix().toLower();
    if (suffix == u"csv" || suffix == u"txt") {
        return CsvReader::Read(bytes);
    }
    throw WorkbookError(Workbook::tr("文件 %1 不是工作簿。").arg(shown) + FormatsText());
}

std::unique_ptr<Workbook> Workbook::CreateEmpty()
{
    auto workbook = std::make_unique<Workbook>();
    workbook->AddSheet(std::make_unique<Worksheet>(QStringLiteral("Sheet1")));
    return workbook;
}

QString Workbook::FindTemplate(const QString& path)
{
    for (const QString& candidate :
         {path, path + QStringLiteral(".xlsx"), path + QStringLiteral(".xls")}) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return QString();
}

Worksheet* Workbook::FindSheet(const QString& name)
{
    for (auto& sheet : m_sheets) {
        if (sheet->Name().compare(name, Qt::CaseInsensitive) == 0) {
            return sheet.get();
        }
    }
    return nullptr;
}

void Workbook::RenameSheet(Worksheet& sheet, const QString& name)
{
    static const QString forbidden = QStringLiteral("[]:*?/\\");
    bool allowed = !name.trimmed().isEmpty() && name.size() <= 31 && !name.startsWith(u'\'') &&
                   !name.endsWith(u'\'');
    for (const QChar ch : name) {
        if (forbidden.contains(ch) || ch.unicode() < 0x20) {
            allowed = false;
        }
    }
    if (!allowed) {
        throw WorkbookError(
            Workbook::tr("工作表名称“%1”无效：名称须为 1 至 31 个字符，不含 [ ] : * ? / \\")
                .arg(name));
    }
    const Worksheet* other = FindSheet(name);
    if (other && other != &sheet) {
        throw WorkbookError(Workbook::tr("已有名为“%1”的工作表").arg(name));
    }
    sheet.SetName(name);
}

Worksheet& Workbook::AddSheet(std::unique_ptr<Worksheet> sheet)
{
    if (SheetCount() >= WorkbookLimits::MaxSheets) {
        throw WorkbookError(
            Workbook::tr("工作簿的工作表超过 %1 个").arg(WorkbookLimits::MaxSheets));
    }
    m_sheets.push_back(std::move(sheet));
    return *m_sheets.back();
}

void Workbook::SaveAs(const QString& path) const
{
    if (ProtectedFiles::Covers(path)) {
        throw WorkbookError(
            Workbook::tr("不能保存为 %1：这是本活动正在使用的数据库文件").arg(path));
    }
    XlsxWriter::Write(*this, path);
}

void Workbook::SetPackage(const QByteArray& package, const QString& workbookPart)
{
    m_package = package;
    m_workbookPart = workbookPart;
}
