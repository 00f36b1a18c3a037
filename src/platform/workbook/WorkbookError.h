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

// The file is no workbook at all (another kind of package, say). Thrown by the readers, which do
// not know the file's name; opening a file turns it into a message that names the file and the
// formats that are read.
class NotWorkbookError : public WorkbookError
{
public:
    NotWorkbookError();
};

// A part of the package (or the package itself) is damaged; the message names it.
class DamagedWorkbookError : public WorkbookError
{
public:
    explicit DamagedWorkbookError(const QString& part);
};
