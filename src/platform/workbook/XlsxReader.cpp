// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsxReader.h"

#include "platform/workbook/DateCells.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"
#include "platform/workbook/XlsxSheetReader.h"
#include "platform/workbook/XlsxStrings.h"
#include "platform/workbook/XmlPart.h"
#include "platform/workbook/ZipArchive.h"

#include <QDir>
#include <QHash>
#include <QStringList>
#include <cstring>

namespace {

struct Relationship
{
    QString type;
    QString target;
};

QString DirectoryOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return slash < 0 ? QString() : part.left(slash + 1);
}

QString Resolve(const QString& baseDirectory, const QString& target)
{
    if (target.startsWith(u'/')) {
        return QDir::cleanPath(target.mid(1));
    }
    return QDir::cleanPath(baseDirectory + target);
}

// The relationships of a part, by id; targets resolved against the part's folder.
QHash<QString, Relationship> ReadRelationships(const ZipArchive& zip, const QString& part)
{
    const QString folder = DirectoryOf(part);
    const QString relsName =
        folder + QStringLiteral("_rels/") + part.mid(folder.size()) + QStringLiteral(".rels");
    QHash<QString, Relationship> relationships;
    const qint64 index = zip.Find(relsName);
    if (index < 0) {
        return relationships;
    }
    const XmlPart rels(zip.Read(index), relsName);
    for (const pugi::xml_node& node : rels.Root().children()) {
        if (!XmlPart::Is(node, "Relationship") ||
            std::strcmp(node.attribute("TargetMode").value(), "External") == 0) {
            continue;
        }
        relationships.insert(
            QString::fromUtf8(node.attribute("Id").value()),
            {QString::fromUtf8(node.attribute("Type").value()),
             Resolve(folder, QString::fromUtf8(node.attribute("Target").value()))});
    }
    return relationships;
}

// Which cell formats (by index) show numbers as dates or times.
std::vector<bool> ReadDateStyles(QByteArray xml, const QString& part)
{
    const XmlPart styles(std::move(xml), part);
    QHash<int, QString> codes;
    for (const pugi::xml_node& format : XmlPart::Child(styles.Root(), "numFmts").children()) {
        codes.insert(format.attribute("numFmtId").as_int(),
                     QString::fromUtf8(format.attribute("formatCode").value()));
    }
    std::vector<bool> dateStyles;
    for (const pugi::xml_node& xf : XmlPart::Child(styles.Root(), "cellXfs").children()) {
        const int id = xf.attribute("numFmtId").as_int();
        dateStyles.push_back(DateCells::IsDateFormat(id, codes.value(id)));
    }
    return dateStyles;
}

QString MainPart(const ZipArchive& zip)
{
    const auto relationships = ReadRelationships(zip, QString());
    for (const Relationship& relationship : relationships) {
        if (relationship.type.endsWith(u"/officeDocument")) {
            return relationship.target;
        }
    }
    return QStringLiteral("xl/workbook.xml");
}

// The relationship id of a <sheet>: its r:id, whatever the prefix.
QString SheetRelationshipId(const pugi::xml_node& sheet)
{
    for (const pugi::xml_attribute& attribute : sheet.attributes()) {
        if (std::strchr(attribute.name(), ':') &&
            std::strcmp(XmlPart::LocalName(attribute.name()), "id") == 0) {
            return QString::fromUtf8(attribute.value());
        }
    }
    return QString();
}

} // namespace

namespace XlsxReader {

std::unique_ptr<Workbook> Read(const QByteArray& bytes)
{
    const ZipArchive zip(bytes);
    const QString workbookPart = MainPart(zip);
    if (zip.Find(workbookPart) < 0) {
        throw NotWorkbookError();
    }
    const auto relationships = ReadRelationships(zip, workbookPart);

    QStringList shared;
    XlsxSheetReader::NumberFormats formats;
    for (const Relationship& relationship : relationships) {
        if (zip.Find(relationship.target) < 0) {
            continue;
        }
        if (relationship.type.endsWith(u"/sharedStrings")) {
            shared = XlsxStrings::ReadShared(zip.Read(relationship.target), relationship.target);
        } else if (relationship.type.endsWith(u"/styles")) {
            formats.dateStyles = ReadDateStyles(zip.Read(relationship.target), relationship.target);
        }
    }

    auto workbook = std::make_unique<Workbook>();
    workbook->SetPackage(bytes, workbookPart);
    qint64 cellBudget = WorkbookLimits::MaxCells;

    const XmlPart book(zip.Read(workbookPart), workbookPart);
    formats.from1904 = XmlPart::Child(book.Root(), "workbookPr").attribute("date1904").as_bool();
    for (const pugi::xml_node& sheetNode : XmlPart::Child(book.Root(), "sheets").children()) {
        if (!XmlPart::Is(sheetNode, "sheet")) {
            continue;
        }
        const auto relationship = relationships.constFind(SheetRelationshipId(sheetNode));
        if (relationship == relationships.constEnd() ||
            !relationship->type.endsWith(u"/worksheet")) {
            continue; // chart sheets and dialog sheets hold no cells
        }
        const QString name = QString::fromUtf8(sheetNode.attribute("name").value());
        auto sheet = std::make_unique<Worksheet>(name);
        sheet->SetOriginalName(name);
        sheet->SetPartName(relationship->target);
        XlsxSheetReader(shared, formats, *sheet, cellBudget)
            .Read(zip.Read(relationship->target), relationship->target);
        workbook->AddSheet(std::move(sheet));
    }
    if (workbook->SheetCount() == 0) {
        throw WorkbookError(Workbook::tr("工作簿中没有工作表"));
    }
    return workbook;
}

} // namespace XlsxReader
