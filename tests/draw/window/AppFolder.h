// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away application folder: the shipped skin and a database of numbered participants
// ("E001", "E002", ... named "员工1", ...).
class AppFolder
{
public:
    // Empty path() when the folder could not be made; error() says why.
    explicit AppFolder(int participants);

    QString path() const { return m_ok ? m_dir.path() + QLatin1Char('/') : QString(); }
    QString database() const { return path() + QStringLiteral("Data.db"); }
    QString error() const { return m_error; }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_error;
};
