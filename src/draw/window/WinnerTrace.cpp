// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/WinnerTrace.h"

#include <QFile>

void WinnerTrace::Append(const QStringList& ids)
{
    static const QString trace = qEnvironmentVariable("SORTILO_WINNER_TRACE");
    if (trace.isEmpty()) {
        return;
    }
    QFile file(trace);
    if (!file.open(QIODevice::Append | QIODevice::WriteOnly)) {
        return;
    }
    for (const QString& id : ids) {
        if (!id.isEmpty()) {
            file.write(id.toUtf8() + '\n');
        }
    }
}
