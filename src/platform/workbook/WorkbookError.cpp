// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workbook/WorkbookError.h"

WorkbookError::WorkbookError(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{}
