// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

// The participant number edit's rule: letters a to z become capitals as they are typed, and the
// text may not grow beyond MaxBytes bytes counted as GBK counts them (a Chinese character is 2).
// Text set by the program is not checked here; saving checks it again.
class PersonIdValidator : public QValidator
{
    Q_OBJECT

public:
    static constexpr int MaxBytes = 8;

    explicit PersonIdValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};
