// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The files shipped with the program (default skin, sounds, database schema, translations). An
// installed program finds them in ../share/sortilo beside its bin/ folder, a build in its own
// application folder. An event folder may carry its own copy of any of them, which wins.
namespace SharedFiles {

// The shared folder for a program that lies in programDirectory: ../share/sortilo when that
// holds a skin, else programDirectory itself when it does; empty when neither does. The result
// ends with "/".
QString FindBeside(const QString& programDirectory);

// Set once at start-up; empty (the default) means there are no shared files to fall back on.
void SetDirectory(const QString& directory);
QString Directory();

// appDirectory + relative when that exists, else the shared copy when that exists, else
// appDirectory + relative. An absolute path is returned as it is.
QString Locate(const QString& appDirectory, const QString& relative);

} // namespace SharedFiles
