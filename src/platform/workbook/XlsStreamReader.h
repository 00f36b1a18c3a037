// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/workbook/XlsStream.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

class Workbook;
class Worksheet;

// Reads the records of XlsStream as they arrive into a Workbook. The stream comes from another
// process and is as untrusted as the file it was read from: every length and count is checked
// before it is used, and the workbook's limits are applied as the cells arrive, with the messages
// the other readers give. No more than one record is held back at a time.
class XlsStreamReader
{
public:
    enum class State
    {
        Reading,
        // The end record arrived: Take() gives the workbook.
        Complete,
        // The library refused the file: FailureMessage() says why.
        Failed
    };

    XlsStreamReader();
    ~XlsStreamReader();

    // Takes the next bytes of the stream. Throws WorkbookError for a workbook beyond the limits
    // or a stream that is not well formed (anything after the last record included).
    void Feed(QByteArrayView bytes);

    State Status() const { return m_state; }
    // The workbook of a complete stream; throws WorkbookError for one without sheets.
    std::unique_ptr<Workbook> Take();
    // The operator's message for a refusal.
    QString FailureMessage() const;
    // Throws the WorkbookError for a stream that is not well formed.
    [[noreturn]] static void Malformed();

private:
    bool ReadRecord(QByteArrayView& rest);
    void ReadSheet(quint32 rows, QByteArrayView name);
    void ReadCell(quint32 row, quint32 column, quint8 kind, QByteArrayView text);

    QByteArray m_pending;
    bool m_magicSeen = false;
    State m_state = State::Reading;
    std::unique_ptr<Workbook> m_workbook;
    Worksheet* m_sheet = nullptr;
    quint64 m_records = 0;
    qint64 m_cellBudget;
    XlsStream::Failure m_failure = XlsStream::Failure::Damaged;
    qint32 m_failureCode = 0;
};
