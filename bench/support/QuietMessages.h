// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/MessageService.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <vector>

// Benchmarks never wait on a box: one that comes up is printed to standard error and answered No.
class QuietMessages final : public MessageService
{
public:
    Answer Show(const QString& text, const QString&, Buttons) override
    {
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(text));
        return Answer::No;
    }
};

// The median of a set of timings; 0 for none.
inline double MedianOf(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Widget benchmarks run on the offscreen platform unless a display was chosen on purpose.
inline void PreferOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}
