// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsxReader.h"

#include "platform/workbook/CellReference.h"
#include "platform/workbook/DateCells.h"
#include "platform/workbook/NumberText.h"
#include "platform/workbook/SheetDataSplitter.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"
#include "platform/workbook/XmlText.h"
#include "platform/workbook/ZipArchive.h"

#include <QDir>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <pugixml.hpp>

namespace {

WorkbookError Damaged(const QString& part)
{
    return WorkbookError(Workbook::tr("工作簿文件已损坏（%1）").arg(part));
}

// Each tag and each attribute costs the parser memory beyond its bytes: both are counted before
// parsing. A character reference to a character XML cannot carry (&#0;) would end the text there.
void CheckMarkup(const QByteArray& bytes, const QString& name)
{
    qint64 tags = 0;
    qint64 attributes = 0;
    qint64 inTag = 0; // attributes of the open tag
    bool tag = false;
    char quote = 0;
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '<') {
            ++tags;
            tag = true;
            inTag = 0;
        } else if (tag && (c == '"' || c == '\'')) {
            quote = c;
        } else if (tag && c == '>') {
            tag = false;
        } else if (tag && c == '=') {
            ++attributes;
            if (++inTag > WorkbookLimits::MaxElementAttributes) {
                throw WorkbookError(Workbook::tr("工作簿中的 %1 有标记超过 %2 个属性，不予读取")
                                        .arg(name)
                                        .arg(WorkbookLimits::MaxElementAttributes));
            }
        }
        if (c == '&' && i + 2 < size && data[i + 1] == '#') {
            const qsizetype end = bytes.indexOf(';', i);
            bool ok = false;
            const QByteArray digits =
                bytes.mid(i + 2, end < 0 ? 0 : std::min<qsizetype>(end - i - 2, 12));
            const uint code =
                digits.startsWith('x') ? digits.mid(1).toUInt(&ok, 16) : digits.toUInt(&ok, 10);
            const bool allowed =
                ok &&
                (code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
                 (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF));
            if (!allowed) {
                throw WorkbookError(
                    Workbook::tr("工作簿文件已损坏（%1 含有无效的字符引用 %2）")
                        .arg(name, QString::fromLatin1(bytes.mid(
                                       i, std::min<qsizetype>(end < 0 ? 8 : end - i + 1, 16)))));
            }
        }
    }
    if (tags > WorkbookLimits::MaxPartTags) {
        throw WorkbookError(Workbook::tr("工作簿中的 %1 超过 %2 个标记，不予读取")
                                .arg(name)
                                .arg(WorkbookLimits::MaxPartTags));
    }
    if (attributes > WorkbookLimits::MaxPartAttributes) {
        throw WorkbookError(Workbook::tr("工作簿中的 %1 超过 %2 个属性，不予读取")
                                .arg(name)
                                .arg(WorkbookLimits::MaxPartAttributes));
    }
}

// An XML part parsed in place: the document points into the bytes it keeps. Its markup is
// counted first unless the caller counted it already (a piece of a part counted whole).
class XmlPart
{
public:
    enum class Markup
    {
        Count,
        Counted
    };

    XmlPart(QByteArray bytes, const QString& name, Markup markup = Markup::Count)
        : m_bytes(std::move(bytes))
    {
        if (markup == Markup::Count) {
            CheckMarkup(m_bytes, name);
        }
        // A text of blanks alone is kept: <t xml:space="preserve"> </t> is a cell of one blank.
        const pugi::xml_parse_result result =
            m_document.load_buffer_inplace(m_bytes.data(), size_t(m_bytes.size()),
                                           pugi::parse_default | pugi::parse_ws_pcdata_single);
        if (!result) {
            throw Damaged(name);
        }
    }
    pugi::xml_node Root() const { return m_document.document_element(); }

private:
    QByteArray m_bytes;
    pugi::xml_document m_document;
};

// Element and attribute names compared without their namespace prefix.
const char* LocalName(const char* name)
{
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

bool Is(const pugi::xml_node& node, const char* localName)
{
    return std::strcmp(LocalName(node.name()), localName) == 0;
}

pugi::xml_node Child(const pugi::xml_node& node, const char* localName)
{
    for (const pugi::xml_node& child : node.children()) {
        if (Is(child, localName)) {
            return child;
        }
    }
    return {};
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
        if (!Is(node, "Relationship") ||
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

// Characters that XML cannot carry are written as _xHHHH_ (a carriage return as _x000D_).
QString DecodeEscapes(const QString& text)
{
    QString out;
    qsizetype copied = 0;
    for (qsizetype at = text.indexOf(u"_x"); at >= 0 && at + 7 <= text.size();
         at = text.indexOf(u"_x", at + 1)) {
        // Exactly four hex digits: the number parser would also take blanks and a sign.
        const QStringView digits = QStringView(text).mid(at + 2, 4);
        const bool hex = std::all_of(digits.begin(), digits.end(), [](QChar ch) {
            return ch.isDigit() || (ch.toLower() >= u'a' && ch.toLower() <= u'f');
        });
        bool ok = false;
        const ushort code = hex ? digits.toUShort(&ok, 16) : 0;
        if (!ok || text[at + 6] != u'_') {
            continue;
        }
        out += QStringView(text).mid(copied, at - copied);
        out += QChar(code);
        copied = at + 7;
        at += 6;
    }
    if (copied == 0) {
        return text;
    }
    out += QStringView(text).mid(copied);
    return out;
}

// Text of a string item (<si> or <is>): the plain <t>, or all runs' <t> joined; phonetic
// guides (<rPh>) are not part of the text.
QString StringItemText(const pugi::xml_node& item)
{
    QByteArray utf8;
    for (const pugi::xml_node& child : item.children()) {
        if (Is(child, "t")) {
            utf8 += child.child_value();
        } else if (Is(child, "r")) {
            for (const pugi::xml_node& run : child.children()) {
                if (Is(run, "t")) {
                    utf8 += run.child_value();
                }
            }
        }
    }
    QString text = QString::fromUtf8(utf8);
    return utf8.contains("_x") ? DecodeEscapes(text) : text;
}

QStringList ReadSharedStrings(QByteArray xml, const QString& part)
{
    const XmlPart strings(std::move(xml), part);
    QStringList texts;
    for (const pugi::xml_node& item : strings.Root().children()) {
        if (!Is(item, "si")) {
            continue;
        }
        if (texts.size() >= WorkbookLimits::MaxCells) {
            throw WorkbookError(
                Workbook::tr("工作簿的字符串超过 %1 个").arg(WorkbookLimits::MaxCells));
        }
        texts.append(StringItemText(item));
    }
    return texts;
}

// Attributes as written in the file, less the two named ones: ` name="value"`...
QString SerializeAttributes(const pugi::xml_node& node, const char* skip1, const char* skip2)
{
    QString text;
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        if (std::strcmp(attribute.name(), skip1) == 0 ||
            std::strcmp(attribute.name(), skip2) == 0) {
            continue;
        }
        text += u' ';
        text += QString::fromUtf8(attribute.name());
        text += u"=\"";
        text += XmlText::Escape(QString::fromUtf8(attribute.value()));
        text += u'"';
    }
    return text;
}

// Which cell formats (by index) show numbers as dates or times.
std::vector<bool> ReadDateStyles(QByteArray xml, const QString& part)
{
    const XmlPart styles(std::move(xml), part);
    QHash<int, QString> codes;
    for (const pugi::xml_node& format : Child(styles.Root(), "numFmts").children()) {
        codes.insert(format.attribute("numFmtId").as_int(),
                     QString::fromUtf8(format.attribute("formatCode").value()));
    }
    std::vector<bool> dateStyles;
    for (const pugi::xml_node& xf : Child(styles.Root(), "cellXfs").children()) {
        const int id = xf.attribute("numFmtId").as_int();
        dateStyles.push_back(DateCells::IsDateFormat(id, codes.value(id)));
    }
    return dateStyles;
}

struct NumberFormats
{
    std::vector<bool> dateStyles;
    bool from1904 = false;
};

class SheetReader
{
public:
    SheetReader(const QStringList& shared, const NumberFormats& formats, Worksheet& sheet,
                qint64& cellBudget)
        : m_shared(shared), m_formats(formats), m_sheet(sheet), m_cellBudget(cellBudget)
    {}

    // The rows are parsed in runs of about RunBytes, each run a tree of its own, so that the
    // trees never hold a large sheet whole; the sheet around its rows is parsed once for its
    // well-formedness. A part that cannot be cut is parsed whole.
    void Read(QByteArray xml, const QString& part)
    {
        CheckMarkup(xml, part);
        const std::vector<qsizetype> cuts = SheetDataSplitter::Split(xml, RunBytes);
        if (cuts.empty()) {
            const XmlPart document(std::move(xml), part, XmlPart::Markup::Counted);
            ReadRows(Child(document.Root(), "sheetData"));
            return;
        }
        {
            const XmlPart outside(xml.left(cuts.front()) + xml.mid(cuts.back()), part,
                                  XmlPart::Markup::Counted);
        }
        for (size_t run = 0; run + 1 < cuts.size(); ++run) {
            const XmlPart rows("<r>" + xml.mid(cuts[run], cuts[run + 1] - cuts[run]) + "</r>", part,
                               XmlPart::Markup::Counted);
            ReadRows(rows.Root());
        }
    }

private:
    static constexpr qsizetype RunBytes = 1024 * 1024;

    void ReadRows(const pugi::xml_node& data)
    {
        for (const pugi::xml_node& row : data.children()) {
            if (!Is(row, "row")) {
                continue;
            }
            ReadRowStart(row);
            for (const pugi::xml_node& cell : row.children()) {
                if (Is(cell, "c")) {
                    ReadCell(cell);
                }
            }
        }
    }

    void CheckRow(int row) const
    {
        if (row > WorkbookLimits::MaxRows) {
            throw WorkbookError(Workbook::tr("工作表“%1”超过 %2 行，不予读取")
                                    .arg(m_sheet.Name())
                                    .arg(WorkbookLimits::MaxRows));
        }
    }

    void ReadRowStart(const pugi::xml_node& node)
    {
        int row = m_row + 1;
        int column = 0;
        const char* reference = node.attribute("r").value();
        if (*reference && !CellReference::Parse(reference, row, column)) {
            throw Damaged(m_sheet.Name());
        }
        m_row = row;
        m_column = 0;
        CheckRow(m_row);
        // Rows mostly share their attributes (height, format): the text is built only when they
        // differ from the previous row's, and then shared.
        QByteArray raw;
        for (const pugi::xml_attribute& attribute : node.attributes()) {
            if (std::strcmp(attribute.name(), "r") == 0 ||
                std::strcmp(attribute.name(), "spans") == 0) {
                continue;
            }
            raw += attribute.name();
            raw += '\0';
            raw += attribute.value();
            raw += '\0';
        }
        if (raw != m_lastRowRaw) {
            m_lastRowRaw = raw;
            m_lastRowAttributes = SerializeAttributes(node, "r", "spans");
        }
        if (!m_lastRowAttributes.isEmpty()) {
            m_sheet.SetRowAttributes(m_row, m_lastRowAttributes);
        }
    }

    void ReadCell(const pugi::xml_node& node)
    {
        int row = m_row < 1 ? 1 : m_row;
        int column = m_column + 1;
        const char* reference = node.attribute("r").value();
        if (*reference && !CellReference::Parse(reference, row, column)) {
            throw Damaged(m_sheet.Name());
        }
        CheckRow(row);
        if (column > WorkbookLimits::MaxColumns) {
            throw Damaged(m_sheet.Name());
        }
        m_row = row;
        m_column = column;
        const char* type = node.attribute("t").value();
        const pugi::xml_attribute styleAttribute = node.attribute("s");
        const int style = styleAttribute ? styleAttribute.as_int(-1) : -1;

        const char* value = "";
        pugi::xml_node inlineString;
        pugi::xml_node formula;
        for (const pugi::xml_node& child : node.children()) {
            if (Is(child, "v")) {
                value = child.child_value();
            } else if (Is(child, "is")) {
                inlineString = child;
            } else if (Is(child, "f")) {
                formula = child;
            }
        }

        WorksheetCell cell;
        cell.column = column;
        cell.style = style;
        if (std::strcmp(type, "s") == 0) {
            char* end = nullptr;
            const long index = std::strtol(value, &end, 10);
            if (end == value || *end != '\0' || index < 0 || index >= m_shared.size()) {
                throw Damaged(m_sheet.Name());
            }
            cell.text = m_shared.at(index);
        } else if (std::strcmp(type, "inlineStr") == 0) {
            cell.text = inlineString ? StringItemText(inlineString) : QString();
        } else if (std::strcmp(type, "str") == 0 || std::strcmp(type, "d") == 0) {
            cell.text = QString::fromUtf8(value);
        } else if (std::strcmp(type, "b") == 0) {
            cell.kind = CellKind::Boolean;
            cell.text = !*value                        ? QString()
                        : std::strcmp(value, "0") == 0 ? QStringLiteral("FALSE")
                                                       : QStringLiteral("TRUE");
        } else if (std::strcmp(type, "e") == 0) {
            cell.kind = CellKind::Error;
            cell.text = QString::fromUtf8(value);
        } else {
            cell.kind = CellKind::Number;
            cell.text = *value ? NumberText::FromStored(QString::fromUtf8(value)) : QString();
            if (*value && style >= 0 && size_t(style) < m_formats.dateStyles.size() &&
                m_formats.dateStyles[style]) {
                const QString date =
                    DateCells::FromSerial(std::strtod(value, nullptr), m_formats.from1904);
                if (!date.isEmpty()) {
                    cell.kind = CellKind::Date;
                    cell.text = date;
                }
            }
        }
        if (cell.text.isEmpty() && style < 0 && !formula) {
            return;
        }
        if (cell.text.size() > WorkbookLimits::MaxCellChars) {
            throw WorkbookError(Workbook::tr("单元格 %1 的内容超过 %2 个字符，不予读取")
                                    .arg(CellReference::Name(row, column))
                                    .arg(WorkbookLimits::MaxCellChars));
        }
        if (--m_cellBudget < 0) {
            throw WorkbookError(
                Workbook::tr("工作簿的单元格超过 %1 个，不予读取").arg(WorkbookLimits::MaxCells));
        }
        m_sheet.StoreCell(row, std::move(cell));
        if (formula) {
            m_sheet.SetFormula(row, column, SerializeAttributes(formula, "", ""),
                               QString::fromUtf8(formula.child_value()));
        }
    }

    const QStringList& m_shared;
    const NumberFormats& m_formats;
    Worksheet& m_sheet;
    qint64& m_cellBudget;
    QByteArray m_lastRowRaw;
    QString m_lastRowAttributes;
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

// The relationship id of a <sheet>: its r:id, whatever the prefix.
QString SheetRelationshipId(const pugi::xml_node& sheet)
{
    for (const pugi::xml_attribute& attribute : sheet.attributes()) {
        if (std::strchr(attribute.name(), ':') &&
            std::strcmp(LocalName(attribute.name()), "id") == 0) {
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
    NumberFormats formats;
    for (const Relationship& relationship : relationships) {
        if (zip.Find(relationship.target) < 0) {
            continue;
        }
        if (relationship.type.endsWith(u"/sharedStrings")) {
            shared = ReadSharedStrings(zip.Read(relationship.target), relationship.target);
        } else if (relationship.type.endsWith(u"/styles")) {
            formats.dateStyles = ReadDateStyles(zip.Read(relationship.target), relationship.target);
        }
    }

    auto workbook = std::make_unique<Workbook>();
    workbook->SetPackage(bytes, workbookPart);
    qint64 cellBudget = WorkbookLimits::MaxCells;

    const XmlPart book(zip.Read(workbookPart), workbookPart);
    formats.from1904 = Child(book.Root(), "workbookPr").attribute("date1904").as_bool();
    for (const pugi::xml_node& sheetNode : Child(book.Root(), "sheets").children()) {
        if (!Is(sheetNode, "sheet")) {
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
        SheetReader(shared, formats, *sheet, cellBudget)
            .Read(zip.Read(relationship->target), relationship->target);
        workbook->AddSheet(std::move(sheet));
    }
    if (workbook->SheetCount() == 0) {
        throw WorkbookError(Workbook::tr("工作簿中没有工作表"));
    }
    return workbook;
}

} // namespace XlsxReader
