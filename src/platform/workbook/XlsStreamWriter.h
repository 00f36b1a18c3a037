// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/workbook/WorksheetCell.h"
#include "platform/workbook/XlsStream.h"

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// Writes the records of XlsStream to a device, in blocks. The writer starts the stream with its
// magic; the caller ends it with End or Fail.
class XlsStreamWriter
{
public:
    explicit XlsStreamWriter(QIODevice& device);

    void Sheet(QByteArrayView utf8Name, quint32 rows);
    void Cell(quint32 row, quint32 column, CellKind kind, QByteArrayView utf8Text);
    void Fail(XlsStream::Failure failure, qint32 code);
    void End();
    // Writes what is buffered; false once any write failed.
    bool Flush();

    quint32 Sheets() const { return m_sheets; }
    quint64 Cells() const { return m_cells; }
    bool Failed() const { return m_failed; }

private:
    void Put32(quint32 value);
    void PutText(QByteArrayView text);
    void FlushWhenFull();

    QIODevice& m_device;
    QByteArray m_buffer;
    quint32 m_sheets = 0;
    quint64 m_cells = 0;
    bool m_failed = false;
    bool m_writeError = false;
};
