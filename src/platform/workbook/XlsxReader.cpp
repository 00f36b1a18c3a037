#include "XlsxReader.h"

#include "CellReference.h"
#include "NumberText.h"
#include "Workbook.h"
#include "WorkbookError.h"
#include "WorkbookLimits.h"
#include "XmlText.h"
#include "ZipArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("Workbook", text);
}

WorkbookError Damaged(const QString& part)
{
    return WorkbookError(Tr("工作簿文件已损坏（%1）").arg(part));
}

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
    const QString relsName = DirectoryOf(part) + QStringLiteral("_rels/") +
                             part.mid(DirectoryOf(part).size()) + QStringLiteral(".rels");
    QHash<QString, Relationship> relationships;
    const qint64 index = zip.Find(relsName);
    if (index < 0) {
        return relationships;
    }
    QXmlStreamReader reader(zip.Read(index));
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.name() == u"Relationship") {
            const QXmlStreamAttributes attributes = reader.attributes();
            if (attributes.value(QLatin1String("TargetMode")) == u"External") {
                continue;
            }
            relationships.insert(
                attributes.value(QLatin1String("Id")).toString(),
                {attributes.value(QLatin1String("Type")).toString(),
                 Resolve(DirectoryOf(part), attributes.value(QLatin1String("Target")).toString())});
        }
    }
    if (reader.hasError()) {
        throw Damaged(relsName);
    }
    return relationships;
}

// Text of a string item (<si> or <is>): the plain <t>, or all runs' <t> joined; phonetic
// guides (<rPh>) are not part of the text.
QString ReadStringItem(QXmlStreamReader& reader)
{
    QString text;
    while (reader.readNextStartElement()) {
        if (reader.name() == u"t") {
            text += reader.readElementText();
        } else if (reader.name() == u"r") {
            while (reader.readNextStartElement()) {
                if (reader.name() == u"t") {
                    text += reader.readElementText();
                } else {
                    reader.skipCurrentElement();
                }
            }
        } else {
            reader.skipCurrentElement();
        }
    }
    return text;
}

QStringList ReadSharedStrings(const QByteArray& xml, const QString& part)
{
    QStringList strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"si") {
            if (strings.size() >= WorkbookLimits::MaxCells) {
                throw WorkbookError(Tr("工作簿的字符串超过 %1 个").arg(WorkbookLimits::MaxCells));
            }
            strings.append(ReadStringItem(reader));
        }
    }
    if (reader.hasError()) {
        throw Damaged(part);
    }
    return strings;
}

QString SerializeAttributes(const QXmlStreamAttributes& attributes, QStringView skip1,
                            QStringView skip2)
{
    QString text;
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.namespaceUri().isEmpty() &&
            (attribute.name() == skip1 || attribute.name() == skip2)) {
            continue;
        }
        text += u' ';
        text += attribute.qualifiedName();
        text += u"=\"";
        text += XmlText::Escape(attribute.value());
        text += u'"';
    }
    return text;
}

class SheetReader
{
public:
    SheetReader(const QStringList& shared, Worksheet& sheet, qint64& cellBudget)
        : m_shared(shared), m_sheet(sheet), m_cellBudget(cellBudget)
    {}

    void Read(const QByteArray& xml, const QString& part)
    {
        QXmlStreamReader reader(xml);
        bool inData = false;
        while (!reader.atEnd()) {
            const QXmlStreamReader::TokenType token = reader.readNext();
            if (token == QXmlStreamReader::StartElement) {
                if (!inData) {
                    inData = reader.name() == u"sheetData";
                } else if (reader.name() == u"row") {
                    ReadRowStart(reader);
                } else if (reader.name() == u"c") {
                    ReadCell(reader);
                }
            } else if (token == QXmlStreamReader::EndElement && inData &&
                       reader.name() == u"sheetData") {
                break;
            }
        }
        if (reader.hasError()) {
            throw Damaged(part);
        }
    }

private:
    void CheckRow(int row) const
    {
        if (row > WorkbookLimits::MaxRows) {
            throw WorkbookError(Tr("工作表“%1”超过 %2 行，不予读取")
                                    .arg(m_sheet.Name())
                                    .arg(WorkbookLimits::MaxRows));
        }
    }

    void ReadRowStart(QXmlStreamReader& reader)
    {
        const QXmlStreamAttributes attributes = reader.attributes();
        int row = m_row + 1;
        int column = 0;
        const QStringView reference = attributes.value(QLatin1String("r"));
        if (!reference.isEmpty() && !CellReference::Parse(reference, row, column)) {
            throw Damaged(m_sheet.Name());
        }
        m_row = row;
        m_column = 0;
        CheckRow(m_row);
        if (attributes.size() > 1 || (attributes.size() == 1 && reference.isEmpty())) {
            const QString text = SerializeAttributes(attributes, u"r", u"spans");
            if (!text.isEmpty()) {
                auto it = m_interned.constFind(text);
                if (it == m_interned.constEnd()) {
                    it = m_interned.insert(text, text);
                }
                m_sheet.SetRowAttributes(m_row, *it);
            }
        }
    }

    void ReadCell(QXmlStreamReader& reader)
    {
        const QXmlStreamAttributes attributes = reader.attributes();
        int row = m_row < 1 ? 1 : m_row;
        int column = m_column + 1;
        const QStringView reference = attributes.value(QLatin1String("r"));
        if (!reference.isEmpty() && !CellReference::Parse(reference, row, column)) {
            throw Damaged(m_sheet.Name());
        }
        CheckRow(row);
        if (column > WorkbookLimits::MaxColumns) {
            throw Damaged(m_sheet.Name());
        }
        m_row = row;
        m_column = column;
        const QStringView type = attributes.value(QLatin1String("t"));
        const QStringView styleText = attributes.value(QLatin1String("s"));
        const int style = styleText.isEmpty() ? -1 : styleText.toInt();

        QString value;
        QString inlineText;
        QString formulaAttributes;
        QString formula;
        bool hasFormula = false;
        while (reader.readNextStartElement()) {
            if (reader.name() == u"v") {
                value = reader.readElementText();
            } else if (reader.name() == u"is") {
                inlineText = ReadStringItem(reader);
            } else if (reader.name() == u"f") {
                hasFormula = true;
                formulaAttributes = SerializeAttributes(reader.attributes(), {}, {});
                formula = reader.readElementText();
            } else {
                reader.skipCurrentElement();
            }
        }

        WorksheetCell cell;
        cell.column = column;
        cell.style = style;
        if (type == u"s") {
            bool ok = false;
            const int index = value.toInt(&ok);
            if (!ok || index < 0 || index >= m_shared.size()) {
                throw Damaged(m_sheet.Name());
            }
            cell.text = m_shared.at(index);
        } else if (type == u"inlineStr") {
            cell.text = inlineText;
        } else if (type == u"str" || type == u"d") {
            cell.text = value;
        } else if (type == u"b") {
            cell.kind = CellKind::Boolean;
            cell.text = value.isEmpty() ? QString()
                        : value == u"0" ? QStringLiteral("FALSE")
                                        : QStringLiteral("TRUE");
        } else if (type == u"e") {
            cell.kind = CellKind::Error;
            cell.text = value;
        } else {
            cell.kind = CellKind::Number;
            cell.text = value.isEmpty() ? QString() : NumberText::FromStored(value);
        }
        if (cell.text.isEmpty() && style < 0 && !hasFormula) {
            return;
        }
        if (cell.text.size() > WorkbookLimits::MaxCellChars) {
            throw WorkbookError(Tr("单元格 %1 的内容超过 %2 个字符，不予读取")
                                    .arg(CellReference::Name(row, column))
                                    .arg(WorkbookLimits::MaxCellChars));
        }
        if (--m_cellBudget < 0) {
            throw WorkbookError(
                Tr("工作簿的单元格超过 %1 个，不予读取").arg(WorkbookLimits::MaxCells));
        }
        m_sheet.StoreCell(row, std::move(cell));
        if (hasFormula) {
            m_sheet.SetFormula(row, column, formulaAttributes, formula);
        }
    }

    const QStringList& m_shared;
    Worksheet& m_sheet;
    qint64& m_cellBudget;
    QHash<QString, QString> m_interned;
    int m_row = 0;
    int m_column = 0;
};

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

} // namespace

namespace XlsxReader {

std::unique_ptr<Workbook> Read(const QByteArray& bytes)
{
    const ZipArchive zip(bytes);
    const QString workbookPart = MainPart(zip);
    if (zip.Find(workbookPart) < 0) {
        throw WorkbookError(Tr("文件不是工作簿"));
    }
    const auto relationships = ReadRelationships(zip, workbookPart);

    QStringList shared;
    for (const Relationship& relationship : relationships) {
        if (relationship.type.endsWith(u"/sharedStrings") && zip.Find(relationship.target) >= 0) {
            shared = ReadSharedStrings(zip.Read(relationship.target), relationship.target);
        }
    }

    auto workbook = std::make_unique<Workbook>();
    workbook->SetPackage(bytes, workbookPart);
    qint64 cellBudget = WorkbookLimits::MaxCells;

    QXmlStreamReader reader(zip.Read(workbookPart));
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != u"sheet") {
            continue;
        }
        const QXmlStreamAttributes attributes = reader.attributes();
        QString id;
        for (const QXmlStreamAttribute& attribute : attributes) {
            if (attribute.name() == u"id" && attribute.namespaceUri().endsWith(u"relationships")) {
                id = attribute.value().toString();
            }
        }
        const auto relationship = relationships.constFind(id);
        if (relationship == relationships.constEnd() ||
            !relationship->type.endsWith(u"/worksheet")) {
            continue; // chart sheets and dialog sheets hold no cells
        }
        const QString name = attributes.value(QLatin1String("name")).toString();
        auto sheet = std::make_unique<Worksheet>(name);
        sheet->SetOriginalName(name);
        sheet->SetPartName(relationship->target);
        SheetReader(shared, *sheet, cellBudget)
            .Read(zip.Read(relationship->target), relationship->target);
        workbook->AddSheet(std::move(sheet));
    }
    if (reader.hasError()) {
        throw Damaged(workbookPart);
    }
    if (workbook->SheetCount() == 0) {
        throw WorkbookError(Tr("工作簿中没有工作表"));
    }
    return workbook;
}

} // namespace XlsxReader
