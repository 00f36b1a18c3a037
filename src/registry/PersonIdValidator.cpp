// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/PersonIdValidator.h"

#include "platform/core/GbkText.h"

PersonIdValidator::PersonIdValidator(QObject* parent) : QValidator(parent) {}

QValidator::State PersonIdValidator::validate(QString& input, int& /*pos*/) const
{
    for (QChar& c : input) {
        if (c >= u'a' && c <= u'z') {
            c = QChar(c.unicode() - u'a' + u'A');
        }
    }
    return GbkText::ByteLength(input) > MaxBytes ? Invalid : Acceptable;
}
