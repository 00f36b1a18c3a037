// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/excel/MissingArgument.h"

const QVariant MissingArgument = QVariant::fromValue(MissingArgumentValue{});

bool IsMissingArgument(const QVariant& value)
{
    return !value.isValid() || value.metaType() == QMetaType::fromType<MissingArgumentValue>();
}
