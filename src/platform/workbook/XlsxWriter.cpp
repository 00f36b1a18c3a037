// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsxWriter.h"

#include "platform/workbook/CellReference.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/XlsxAddedSheets.h"
#include "platform/workbook/XmlText.h"
#include "platform/workbook/ZipArchive.h"
#include "platform/workbook/ZipWriter.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <memory>

namespace {

// Cell text that itself holds "_xHHHH_" would read back as the character it names; its
// underscore goes as the escape of an underscore, "_x005F_". Looked for in the text as it will
// be written, without the characters XML cannot carry (they could hide such a sequence).
QString EscapeEscapes(const QString& text)
{
    static const QRegularExpression escape(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
    if (!text.contains(u'_')) {
        return text;
    }
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += ch;
            kept += text[++i];
        } else if (!ch.isSurrogate() && ch.unicode() != 0xFFFE && ch.unicode() != 0xFFFF &&
                   (ch.unicode() >= 0x20 || ch == u'\t' || ch == u'\n' || ch == u'\r')) {
            kept += ch;
        }
    }
    return kept.replace(escape, QStringLiteral("_x005F_"));
}

QString DimensionOf(const Worksheet& sheet)
{
    int firstRow = 0;
    int lastRow = 0;
    int firstColumn = 0;
    int lastColumn = 0;
    const auto& rows = sheet.Rows();
    for (int r = 0; r < int(rows.size()); ++r) {
        const auto& cells = rows[r].cells;
        if (cells.empty()) {
            continue;
        }
        if (firstRow == 0) {
            firstRow = r + 1;
        }
        lastRow = r + 1;
        if (firstColumn == 0 || cells.front().column < firstColumn) {
            firstColumn = cells.front().column;
        }
        lastColumn = std::max(lastColumn, cells.back().column);
    }
    if (firstRow == 0) {
        return QStringLiteral("A1");
    }
    const QString first = CellReference::Name(firstRow, firstColumn);
    const QString last = CellReference::Name(lastRow, lastColumn);
    return first == last ? first : first + u':' + last;
}

// Position of the start tag "<name" (followed by a blank, '>' or '/') at or after from; -1.
qsizetype FindStartTag(const QByteArray& xml, const QByteArray& name, qsizetype from)
{
    const QByteArray open = '<' + name;
    for (qsizetype at = xml.indexOf(open, from); at >= 0; at = xml.indexOf(open, at + 1)) {
        const qsizetype next = at + open.size();
        if (next < xml.size()) {
            const char ch = xml[next];
            if (ch == '>' || ch == '/' || ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') {
                return at;
            }
        }
    }
    return -1;
}

QString QuotedSheetName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral(R"(^[^\W\d][\w.]*$)"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    if (plain.match(name).hasMatch()) {
        return name;
    }
    QString quoted = name;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

// Sheet references ("Old!A1", "'Old name'!A1") in a formula, renamed.
QString RenameReferences(const QString& formula, const QHash<QString, QString>& renames)
{
    static const QRegularExpression reference(
        QStringLiteral(R"((?:'((?:[^']|'')+)'|(?<![\w.'])([\w.]+))!)"),
        QRegularExpression::UseUnicodePropertiesOption);
    QString out;
    qsizetype copied = 0;
    auto it = reference.globalMatch(formula);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        QString name = match.captured(1);
        if (!match.captured(1).isNull()) {
            name.replace(QStringLiteral("''"), QStringLiteral("'"));
        } else {
            name = match.captured(2);
        }
        const auto renamed = renames.constFind(name.toLower());
        if (renamed == renames.constEnd()) {
            continue;
        }
        out += QStringView(formula).mid(copied, match.capturedStart() - copied);
        out += QuotedSheetName(*renamed) + u'!';
        copied = match.capturedEnd();
    }
    if (copied == 0) {
        return formula;
    }
    out += QStringView(formula).mid(copied);
    return out;
}

const char* const MainNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char* const RelationshipNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const XmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

void WriteNewPackage(const Workbook& workbook, ZipWriter& zip)
{
    QByteArray types = XmlHead;
    types +=
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
        "<Override PartName=\"/xl/styles.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>";
    QByteArray sheets;
    QByteArray relationships = XmlHead;
    relationships +=
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rIdStyles\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
        "Target=\"styles.xml\"/>";
    for (int i = 0; i < workbook.SheetCount(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        types += "<Override PartName=\"/xl/worksheets/sheet" + n +
                 ".xml\" "
                 "ContentType=\"application/"
                 "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
        relationships += "<Relationship Id=\"rId" + n +
                         "\" "
                         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                         "relationships/worksheet\" Target=\"worksheets/sheet" +
                         n + ".xml\"/>";
        sheets += "<sheet name=\"";
        // An attribute: a tab or line break kept as such would be read back as a space.
        sheets += XmlText::Escape(workbook.Sheet(i).Name()).toUtf8();
        sheets += "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";

        zip.Add(QStringLiteral("xl/worksheets/sheet%1.xml").arg(i + 1),
                XlsxWriter::NewSheetPart(workbook.Sheet(i)));
    }
    types +=
        "<Override PartName=\"/docProps/app.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
        "</Types>";
    relationships += "</Relationships>";

    QByteArray book = XmlHead;
    book += QByteArray("<workbook xmlns=\"") + MainNamespace + "\" xmlns:r=\"" +
            RelationshipNamespace + "\"><sheets>" + sheets + "</sheets></workbook>";

    zip.Add(QStringLiteral("[Content_Types].xml"), types);
    zip.Add(
        QStringLiteral("_rels/.rels"),
        QByteArray(XmlHead) +
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" "
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
            "officeDocument\" Target=\"xl/workbook.xml\"/>"
            "<Relationship Id=\"rId2\" "
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
            "extended-properties\" Target=\"docProps/app.xml\"/>"
            "</Relationships>");
    zip.Add(
        QStringLiteral("docProps/app.xml"),
        QByteArray(XmlHead) +
            "<Properties "
            "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">"
            "<Application>Sortilo</Application></Properties>");
    zip.Add(QStringLiteral("xl/workbook.xml"), book);
    zip.Add(QStringLiteral("xl/_rels/workbook.xml.rels"), relationships);
    zip.Add(QStringLiteral("xl/styles.xml"),
            QByteArray(XmlHead) + "<styleSheet xmlns=\"" + MainNamespace +
                "\"><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
                "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
                "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
                "<borders "
                "count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
                "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
                "borderId=\"0\"/></cellStyleXfs>"
                "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" "
                "xfId=\"0\"/></cellXfs>"
                "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" "
                "builtinId=\"0\"/></cellStyles>"
                "</styleSheet>");
}

void WriteFromPackage(const Workbook& workbook, const ZipArchive& source, ZipWriter& zip)
{
    QHash<QString, const Worksheet*> changedSheets;
    QHash<QString, QString> renames;
    for (int i = 0; i < workbook.SheetCount(); ++i) {
        const Worksheet& sheet = workbook.Sheet(i);
        if (sheet.IsModified()) {
            changedSheets.insert(sheet.PartName().toLower(), &sheet);
        }
        if (!sheet.PartName().isEmpty() && sheet.Name() != sheet.OriginalName()) {
            renames.insert(sheet.OriginalName().toLower(), sheet.Name());
        }
    }
    const XlsxAddedSheets added(workbook, source);
    const QString workbookPart = workbook.WorkbookPart().toLower();
    const qint64 count = source.EntryCount();
    for (qint64 index = 0; index < count; ++index) {
        const QString name = source.EntryName(index);
        const QString key = name.toLower();
        const bool renamed = key == workbookPart && !renames.isEmpty();
        if (const auto sheet = changedSheets.constFind(key); sheet != changedSheets.constEnd()) {
            zip.Add(name, XlsxWriter::SpliceSheet(source.Read(index), **sheet));
        } else if (renamed || added.Changes(key)) {
            const QByteArray xml = renamed ? XlsxWriter::RenameSheets(source.Read(index), renames)
                                           : source.Read(index);
            zip.Add(name, added.Changes(key) ? added.Rewrite(key, xml) : xml);
        } else {
            zip.Copy(source, index);
        }
    }
    for (const auto& [name, xml] : added.Parts()) {
        zip.Add(name, xml);
    }
}

} // namespace

namespace XlsxWriter {

QByteArray NewSheetPart(const Worksheet& sheet)
{
    QByteArray xml = XmlHead;
    xml += QByteArray("<worksheet xmlns=\"") + MainNamespace + "\" xmlns:r=\"" +
           RelationshipNamespace + "\"><dimension ref=\"" + DimensionOf(sheet).toLatin1() +
           "\"/><sheetData>";
    xml += SheetRows(sheet, QByteArray(), false);
    xml += "</sheetData></worksheet>";
    return xml;
}

QByteArray SheetRows(const Worksheet& sheet, const QByteArray& prefix, bool withStyles)
{
    QByteArray out;
    out.reserve(sheet.CellCount() * 64 + 1024);
    std::vector<QByteArray> columnNames;
    const QByteArray rowOpen = '<' + prefix + "row r=\"";
    const QByteArray rowClose = "</" + prefix + "row>";
    const QByteArray cellOpen = '<' + prefix + "c r=\"";
    const QByteArray cellClose = "</" + prefix + "c>";
    const QByteArray valueOpen = '<' + prefix + "v>";
    const QByteArray valueClose = "</" + prefix + "v>";
    const QByteArray inlineOpen = '<' + prefix + "is><" + prefix + "t xml:space=\"preserve\">";
    const QByteArray inlineClose = "</" + prefix + "t></" + prefix + "is>";
    const QByteArray formulaOpen = '<' + prefix + 'f';
    const QByteArray formulaClose = "</" + prefix + "f>";

    QString lastAttributes;
    QByteArray lastAttributesUtf8;
    const auto& rows = sheet.Rows();
    for (int r = 1; r <= int(rows.size()); ++r) {
        const Worksheet::Row& row = rows[r - 1];
        if (row.cells.empty() && row.attributes.isEmpty()) {
            continue;
        }
        const QByteArray rowNumber = QByteArray::number(r);
        out += rowOpen;
        out += rowNumber;
        out += '"';
        if (!row.attributes.isEmpty()) {
            // Rows mostly share one attribute text; it is encoded once.
            if (!row.attributes.isSharedWith(lastAttributes)) {
                lastAttributes = row.attributes;
                lastAttributesUtf8 = lastAttributes.toUtf8();
            }
            out += lastAttributesUtf8;
        }
        if (row.cells.empty()) {
            out += "/>";
            continue;
        }
        out += '>';
        for (const WorksheetCell& cell : row.cells) {
            if (cell.column > int(columnNames.size())) {
                columnNames.resize(cell.column);
            }
            QByteArray& columnName = columnNames[cell.column - 1];
            if (columnName.isEmpty()) {
                columnName = CellReference::ColumnName(cell.column).toLatin1();
            }
            out += cellOpen;
            out += columnName;
            out += rowNumber;
            out += '"';
            if (withStyles && cell.style >= 0) {
                out += " s=\"";
                out += QByteArray::number(cell.style);
                out += '"';
            }
            const Worksheet::Formula* formula = sheet.FormulaAt(r, cell.column);
            if (cell.text.isEmpty() && !formula) {
                out += "/>";
                continue;
            }
            const bool text = cell.kind == CellKind::Text || cell.kind == CellKind::Date;
            switch (cell.kind) {
            case CellKind::Text:
            case CellKind::Date:
                out += formula ? " t=\"str\">" : " t=\"inlineStr\">";
                break;
            case CellKind::Number:
                out += '>';
                break;
            case CellKind::Boolean:
                out += " t=\"b\">";
                break;
            case CellKind::Error:
                out += " t=\"e\">";
                break;
            }
            if (formula) {
                out += formulaOpen;
                out += formula->attributes.toUtf8();
                out += '>';
                XmlText::AppendEscaped(out, formula->text);
                out += formulaClose;
            }
            if (text && !formula) {
                out += inlineOpen;
                XmlText::AppendEscaped(out, EscapeEscapes(cell.text));
                out += inlineClose;
            } else if (!cell.text.isEmpty()) {
                out += valueOpen;
                if (cell.kind == CellKind::Boolean) {
                    out += cell.text == u"TRUE" ? '1' : '0';
                } else {
                    XmlText::AppendEscaped(out, cell.text);
                }
                out += valueClose;
            }
            out += cellClose;
        }
        out += rowClose;
    }
    return out;
}

QByteArray SpliceSheet(const QByteArray& original, const Worksheet& sheet)
{
    const auto damaged = [&] {
        return WorkbookError(Workbook::tr("工作簿文件已损坏（%1）").arg(sheet.PartName()));
    };
    // The rows are spliced into the part's bytes, which must be UTF-8 (every producer writes it).
    if (original.startsWith("\xFF\xFE") || original.startsWith("\xFE\xFF")) {
        throw damaged();
    }
    QXmlStreamReader reader(original);
    QByteArray qualifiedName;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"sheetData") {
            qualifiedName = reader.qualifiedName().toUtf8();
            break;
        }
    }
    if (qualifiedName.isEmpty()) {
        throw damaged();
    }
    const QByteArray prefix = qualifiedName.left(qualifiedName.indexOf(':') + 1);
    const qsizetype start = FindStartTag(original, qualifiedName, 0);
    const qsizetype startEnd = start < 0 ? -1 : original.indexOf('>', start);
    if (startEnd < 0) {
        throw damaged();
    }
    qsizetype end = startEnd + 1;
    if (original[startEnd - 1] != '/') {
        const qsizetype closing = original.indexOf("</" + qualifiedName, startEnd);
        end = closing < 0 ? -1 : original.indexOf('>', closing) + 1;
        if (end <= 0) {
            throw damaged();
        }
    }

    QByteArray head = original.left(start);
    const qsizetype dimension = FindStartTag(head, prefix + "dimension", 0);
    if (dimension >= 0) {
        const qsizetype tagEnd = head.indexOf('>', dimension);
        const qsizetype ref = head.indexOf("ref=\"", dimension);
        const qsizetype refEnd = ref < 0 ? -1 : head.indexOf('"', ref + 5);
        if (ref >= 0 && refEnd >= 0 && refEnd < tagEnd) {
            head.replace(ref + 5, refEnd - ref - 5, DimensionOf(sheet).toLatin1());
        }
    }
    QByteArray out = head;
    out += '<' + qualifiedName + '>';
    out += SheetRows(sheet, prefix, true);
    out += "</" + qualifiedName + '>';
    out.append(original.constData() + end, original.size() - end);
    return out;
}

QByteArray RenameSheets(const QByteArray& workbookXml, const QHash<QString, QString>& renames)
{
    static const QRegularExpression sheetTag(QStringLiteral(R"(<(?:[\w.-]+:)?sheet\s[^>]*>)"));
    static const QRegularExpression nameAttribute(
        QStringLiteral(R"((\sname\s*=\s*)(["'])(.*?)\2)"));
    static const QRegularExpression definedName(QStringLiteral(
        R"((<(?:[\w.-]+:)?definedName\b[^>]*>)([^<]*)(</(?:[\w.-]+:)?definedName>))"));

    QString xml = QString::fromUtf8(workbookXml);
    QString out;
    qsizetype copied = 0;
    auto tags = sheetTag.globalMatch(xml);
    while (tags.hasNext()) {
        const QRegularExpressionMatch tag = tags.next();
        const QString tagText = tag.captured();
        const QRegularExpressionMatch name = nameAttribute.match(tagText);
        if (!name.hasMatch()) {
            continue;
        }
        const auto renamed = renames.constFind(XmlText::Unescape(name.captured(3)).toLower());
        if (renamed == renames.constEnd()) {
            continue;
        }
        out += QStringView(xml).mid(copied, tag.capturedStart() + name.capturedStart(3) - copied);
        out += XmlText::Escape(*renamed);
        copied = tag.capturedStart() + name.capturedEnd(3);
    }
    out += QStringView(xml).mid(copied);

    xml = out;
    out.clear();
    copied = 0;
    auto names = definedName.globalMatch(xml);
    while (names.hasNext()) {
        const QRegularExpressionMatch match = names.next();
        const QString formula = XmlText::Unescape(match.captured(2));
        const QString renamed = RenameReferences(formula, renames);
        if (renamed == formula) {
            continue;
        }
        out += QStringView(xml).mid(copied, match.capturedStart(2) - copied);
        out += XmlText::Escape(renamed);
        copied = match.capturedEnd(2);
    }
    out += QStringView(xml).mid(copied);
    return out.toUtf8();
}

void Write(const Workbook& workbook, const QString& path)
{
    // The source archive outlives the writer: libzip copies the unchanged entries from it only
    // when the new archive is closed.
    std::unique_ptr<ZipArchive> source;
    if (!workbook.Package().isEmpty()) {
        source = std::make_unique<ZipArchive>(workbook.Package());
    }
    ZipWriter zip(path);
    if (source) {
        WriteFromPackage(workbook, *source, zip);
    } else {
        WriteNewPackage(workbook, zip);
    }
    zip.Close();
}

} // namespace XlsxWriter
