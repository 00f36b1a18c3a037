// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsStreamReader.h"

#include "platform/workbook/CellReference.h"
#include "platform/workbook/NumberText.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/WorkbookError.h"
#include "platform/workbook/WorkbookLimits.h"

#include <QtEndian>

#include <climits>

namespace {

// Reads fixed-size fields from the front of a view; false when the view is too short.
class Fields
{
public:
    explicit Fields(QByteArrayView bytes) : m_bytes(bytes) {}
    bool U8(quint8& value)
    {
        if (m_bytes.size() < 1) {
            return false;
        }
        value = quint8(m_bytes[0]);
        m_bytes = m_bytes.sliced(1);
        return true;
    }
    bool U32(quint32& value)
    {
        if (m_bytes.size() < 4) {
            return false;
        }
        value = qFromLittleEndian<quint32>(m_bytes.data());
        m_bytes = m_bytes.sliced(4);
        return true;
    }
    // A text field of at most XlsStream::MaxTextBytes bytes; tooLong is set for a longer one.
    bool Text(QByteArrayView& text, bool& tooLong)
    {
        quint32 size = 0;
        if (!U32(size)) {
            return false;
        }
        tooLong = size > XlsStream::MaxTextBytes;
        if (tooLong) {
            return true;
        }
        if (m_bytes.size() < qsizetype(size)) {
            return false;
        }
        text = m_bytes.first(size);
        m_bytes = m_bytes.sliced(size);
        return true;
    }
    QByteArrayView Rest() const { return m_bytes; }

private:
    QByteArrayView m_bytes;
};

QString CellTooLong(quint32 row, quint32 column)
{
    return Workbook::tr("单元格 %1 的内容超过 %2 个字符，不予读取")
        .arg(CellReference::Name(int(qMin(row, quint32(INT_MAX))),
                                 int(qMin(column, quint32(INT_MAX)))))
        .arg(WorkbookLimits::MaxCellChars);
}

} // namespace

XlsStreamReader::XlsStreamReader()
    : m_workbook(std::make_unique<Workbook>()), m_cellBudget(WorkbookLimits::MaxCells)
{}

XlsStreamReader::~XlsStreamReader() = default;

void XlsStreamReader::Malformed()
{
    throw WorkbookError(Workbook::tr("读取 .xls 文件的程序给出的结果有误，文件未读取"));
}

void XlsStreamReader::Feed(QByteArrayView bytes)
{
    if (bytes.isEmpty()) {
        return;
    }
    if (m_state != State::Reading) {
        Malformed();
    }
    // Whole records are read straight from the new bytes; only a record cut at their end waits.
    QByteArray joined;
    if (!m_pending.isEmpty()) {
        joined = m_pending;
        joined.append(bytes);
        bytes = joined;
    }
    if (!m_magicSeen) {
        if (bytes.size() < qsizetype(sizeof XlsStream::Magic)) {
            if (!QByteArrayView(XlsStream::Magic, sizeof XlsStream::Magic).startsWith(bytes)) {
                Malformed();
            }
            m_pending = bytes.toByteArray();
            return;
        }
        if (!bytes.startsWith(QByteArrayView(XlsStream::Magic, sizeof XlsStream::Magic))) {
            Malformed();
        }
        bytes = bytes.sliced(sizeof XlsStream::Magic);
        m_magicSeen = true;
    }
    while (!bytes.isEmpty()) {
        if (m_state != State::Reading) {
            Malformed();
        }
        if (!ReadRecord(bytes)) {
            break;
        }
    }
    m_pending = bytes.toByteArray();
}

bool XlsStreamReader::ReadRecord(QByteArrayView& rest)
{
    Fields fields(rest);
    quint8 tag = 0;
    fields.U8(tag);
    switch (tag) {
    case XlsStream::SheetTag: {
        quint32 rows = 0;
        QByteArrayView name;
        bool tooLong = false;
        if (!fields.U32(rows) || !fields.Text(name, tooLong)) {
            return false;
        }
        if (tooLong) {
            Malformed();
        }
        ReadSheet(rows, name);
        break;
    }
    case XlsStream::CellTag: {
        quint32 row = 0;
        quint32 column = 0;
        quint8 kind = 0;
        QByteArrayView text;
        bool tooLong = false;
        if (!fields.U32(row) || !fields.U32(column) || !fields.U8(kind) ||
            !fields.Text(text, tooLong)) {
            return false;
        }
        if (tooLong) {
            throw WorkbookError(CellTooLong(row, column));
        }
        ReadCell(row, column, kind, text);
        break;
    }
    case XlsStream::FailureTag: {
        quint8 failure = 0;
        quint32 code = 0;
        if (!fields.U8(failure) || !fields.U32(code)) {
            return false;
        }
        if (failure < quint8(XlsStream::Failure::NotWorkbook) ||
            failure > quint8(XlsStream::Failure::Damaged)) {
            Malformed();
        }
        m_failure = XlsStream::Failure(failure);
        m_failureCode = qint32(code);
        m_state = State::Failed;
        break;
    }
    case XlsStream::EndTag: {
        quint32 sheets = 0;
        quint32 low = 0;
        quint32 high = 0;
        if (!fields.U32(sheets) || !fields.U32(low) || !fields.U32(high)) {
            return false;
        }
        // Counts that differ from what arrived mean records were lost or made up.
        if (sheets != quint32(m_workbook->SheetCount()) ||
            (quint64(high) << 32 | low) != m_records) {
            Malformed();
        }
        m_state = State::Complete;
        break;
    }
    default:
        Malformed();
    }
    rest = fields.Rest();
    return true;
}

void XlsStreamReader::ReadSheet(quint32 rows, QByteArrayView name)
{
    const QString text = QString::fromUtf8(name);
    if (rows > quint32(WorkbookLimits::MaxRows)) {
        throw WorkbookError(
            Workbook::tr("工作表“%1”超过 %2 行，不予读取").arg(text).arg(WorkbookLimits::MaxRows));
    }
    auto sheet = std::make_unique<Worksheet>(text);
    sheet->SetOriginalName(text);
    m_sheet = &m_workbook->AddSheet(std::move(sheet));
}

void XlsStreamReader::ReadCell(quint32 row, quint32 column, quint8 kind, QByteArrayView text)
{
    // The reader program writes text, numbers and dates only.
    if (!m_sheet || (kind != quint8(CellKind::Text) && kind != quint8(CellKind::Number) &&
                     kind != quint8(CellKind::Date))) {
        Malformed();
    }
    ++m_records;
    WorksheetCell cell;
    cell.column = int(qMin(column, quint32(INT_MAX)));
    cell.kind = CellKind(kind);
    cell.text = QString::fromUtf8(text);
    if (cell.text.isEmpty()) {
        return;
    }
    // A number comes in the form the program gives every number cell (as the reader program
    // writes it): anything else would be shown and saved as a different text.
    if (cell.kind == CellKind::Number) {
        bool number = false;
        const double value = cell.text.toDouble(&number);
        if (!number || NumberText::FromDouble(value) != cell.text) {
            Malformed();
        }
    }
    if (cell.text.size() > WorkbookLimits::MaxCellChars) {
        throw WorkbookError(CellTooLong(row, column));
    }
    if (--m_cellBudget < 0) {
        throw WorkbookError(
            Workbook::tr("工作簿的单元格超过 %1 个，不予读取").arg(WorkbookLimits::MaxCells));
    }
    // The sheet refuses a position outside its bounds.
    m_sheet->StoreCell(int(qMin(row, quint32(INT_MAX))), std::move(cell));
}

std::unique_ptr<Workbook> XlsStreamReader::Take()
{
    if (m_state != State::Complete) {
        Malformed();
    }
    if (m_workbook->SheetCount() == 0) {
        throw WorkbookError(Workbook::tr("工作簿中没有工作表"));
    }
    m_sheet = nullptr;
    return std::move(m_workbook);
}

QString XlsStreamReader::FailureMessage() const
{
    switch (m_failure) {
    case XlsStream::Failure::NotWorkbook:
        return Workbook::tr("文件不是工作簿");
    case XlsStream::Failure::OutOfMemory:
        return Workbook::tr("工作簿太大，读取所需内存超出限制");
    case XlsStream::Failure::Password:
        return Workbook::tr("工作簿有密码保护，无法读取");
    case XlsStream::Failure::Damaged:
        break;
    }
    return Workbook::tr("工作簿文件已损坏（.xls，错误 %1）").arg(m_failureCode);
}
