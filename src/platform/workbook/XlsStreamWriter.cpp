// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/XlsStreamWriter.h"

#include <QIODevice>
#include <QtEndian>

namespace {

constexpr qsizetype BlockBytes = 64 * 1024;

} // namespace

XlsStreamWriter::XlsStreamWriter(QIODevice& device) : m_device(device)
{
    m_buffer.reserve(BlockBytes + 64);
    m_buffer.append(XlsStream::Magic, sizeof XlsStream::Magic);
}

void XlsStreamWriter::Put32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    m_buffer.append(bytes, 4);
}

void XlsStreamWriter::PutText(QByteArrayView text)
{
    Put32(quint32(text.size()));
    m_buffer.append(text.data(), text.size());
}

void XlsStreamWriter::FlushWhenFull()
{
    if (m_buffer.size() >= BlockBytes) {
        Flush();
    }
}

void XlsStreamWriter::Sheet(QByteArrayView utf8Name, quint32 rows)
{
    m_buffer.append(XlsStream::SheetTag);
    Put32(rows);
    PutText(utf8Name);
    ++m_sheets;
    FlushWhenFull();
}

void XlsStreamWriter::Cell(quint32 row, quint32 column, CellKind kind, QByteArrayView utf8Text)
{
    m_buffer.append(XlsStream::CellTag);
    Put32(row);
    Put32(column);
    m_buffer.append(char(kind));
    PutText(utf8Text);
    ++m_cells;
    FlushWhenFull();
}

void XlsStreamWriter::Fail(XlsStream::Failure failure, qint32 code)
{
    m_buffer.append(XlsStream::FailureTag);
    m_buffer.append(char(failure));
    Put32(quint32(code));
    m_failed = true;
}

void XlsStreamWriter::End()
{
    m_buffer.append(XlsStream::EndTag);
    Put32(m_sheets);
    Put32(quint32(m_cells));
    Put32(quint32(m_cells >> 32));
}

bool XlsStreamWriter::Flush()
{
    if (!m_writeError && !m_buffer.isEmpty() && m_device.write(m_buffer) != m_buffer.size()) {
        m_writeError = true;
    }
    m_buffer.clear();
    return !m_writeError;
}
