// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QVariant>

// The value passed for an optional argument that is left out (the eight options of
// CExcelWorksheet::SaveAs, the template of CExcelWorkbooks::Add).
struct MissingArgumentValue
{
};
Q_DECLARE_METATYPE(MissingArgumentValue)

extern const QVariant MissingArgument;

// True for MissingArgument (and for an invalid QVariant, which callers may pass the same way).
bool IsMissingArgument(const QVariant& value);
