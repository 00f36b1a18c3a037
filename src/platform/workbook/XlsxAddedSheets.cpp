// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsxAddedSheets.h"

#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/XlsxWriter.h"
#include "platform/workbook/XmlText.h"
#include "platform/workbook/ZipArchive.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

const char* const WorksheetType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
const char* const WorksheetContent =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

// The greatest number an attribute takes in xml (sheetId="7"), 0 when none.
int GreatestNumber(const QByteArray& xml, const QString& attribute)
{
    const QRegularExpression pattern(
        QStringLiteral("\\s%1\\s*=\\s*[\"'](\\d+)[\"']").arg(attribute));
    int greatest = 0;
    auto it = pattern.globalMatch(QString::fromUtf8(xml));
    while (it.hasNext()) {
        greatest = std::max(greatest, it.next().captured(1).toInt());
    }
    return greatest;
}

// xml with text put before the closing tag of element (with any namespace prefix, which text's
// tags are given too in place of "%1").
QByteArray BeforeClosing(const QByteArray& xml, const char* element, const QByteArray& text)
{
    const QRegularExpression closing(
        QStringLiteral("</([\\w.-]+:)?%1\\s*>").arg(QLatin1String(element)));
    const QString document = QString::fromUtf8(xml);
    QRegularExpressionMatch last;
    auto it = closing.globalMatch(document);
    while (it.hasNext()) {
        last = it.next();
    }
    if (!last.hasMatch()) {
        throw WorkbookError(Workbook::tr("工作簿文件已损坏（%1）").arg(QLatin1String(element)));
    }
    const QByteArray prefix = last.captured(1).toUtf8();
    QByteArray inserted = text;
    inserted.replace("%1", prefix);
    return (document.left(last.capturedStart()).toUtf8() + inserted +
            document.mid(last.capturedStart()).toUtf8());
}

} // namespace

XlsxAddedSheets::XlsxAddedSheets(const Workbook& workbook, const ZipArchive& source)
{
    const QString workbookPart = workbook.WorkbookPart();
    const qsizetype slash = workbookPart.lastIndexOf(u'/');
    const QString folder = workbookPart.left(slash + 1);
    const QString relationshipsPart =
        folder + QStringLiteral("_rels/") + workbookPart.mid(slash + 1) + QStringLiteral(".rels");
    const QString typesPart = QStringLiteral("[Content_Types].xml");

    QSet<QString> names;
    for (qint64 index = 0; index < source.EntryCount(); ++index) {
        names.insert(source.EntryName(index).toLower());
    }
    bool adding = false;
    for (int i = 0; i < workbook.SheetCount(); ++i) {
        adding = adding || workbook.Sheet(i).PartName().isEmpty();
    }
    if (!adding) {
        return; // a package saved as it came needs none of the parts below
    }
    for (const QString& part : {workbookPart, relationshipsPart, typesPart}) {
        if (!names.contains(part.toLower())) {
            throw WorkbookError(Workbook::tr("工作簿文件已损坏（%1）").arg(part));
        }
    }
    int sheetId = GreatestNumber(source.Read(workbookPart), QStringLiteral("sheetId"));
    int partNumber = 0;
    QByteArray sheets;
    QByteArray relationships;
    QByteArray types;
    for (int i = 0; i < workbook.SheetCount(); ++i) {
        const Worksheet& sheet = workbook.Sheet(i);
        if (!sheet.PartName().isEmpty()) {
            continue;
        }
        QString target;
        do {
            target = QStringLiteral("worksheets/sheet%1.xml").arg(++partNumber);
        } while (names.contains((folder + target).toLower()));
        names.insert((folder + target).toLower());
        const QByteArray id = "rIdAdded" + QByteArray::number(++sheetId);
        sheets += "<%1sheet xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                  "relationships\" name=\"" +
                  XmlText::Escape(sheet.Name()).toUtf8() + "\" sheetId=\"" +
                  QByteArray::number(sheetId) + "\" r:id=\"" + id + "\"/>";
        relationships += "<%1Relationship Id=\"" + id + "\" Type=\"" + WorksheetType +
                         "\" Target=\"" + target.toUtf8() + "\"/>";
        types += "<%1Override PartName=\"/" + (folder + target).toUtf8() + "\" ContentType=\"" +
                 WorksheetContent + "\"/>";
        m_parts.append({folder + target, XlsxWriter::NewSheetPart(sheet)});
    }
    if (m_parts.isEmpty()) {
        return;
    }
    m_changed.insert(workbookPart.toLower(), sheets);
    m_changed.insert(relationshipsPart.toLower(), relationships);
    m_changed.insert(typesPart.toLower(), types);
}

QByteArray XlsxAddedSheets::Rewrite(const QString& key, const QByteArray& xml) const
{
    const QByteArray added = m_changed.value(key);
    if (key.endsWith(QStringLiteral(".rels"))) {
        return BeforeClosing(xml, "Relationships", added);
    }
    if (key == u"[content_types].xml") {
        return BeforeClosing(xml, "Types", added);
    }
    return BeforeClosing(xml, "sheets", added);
}
