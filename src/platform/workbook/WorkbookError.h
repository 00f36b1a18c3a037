// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// A workbook could not be read, changed or written; Message() says why, for the operator.
class WorkbookError : public std::runtime_error
{
public:
    explicit WorkbookError(const QString& message);
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};
