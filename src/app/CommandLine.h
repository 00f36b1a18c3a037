// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/CheckinPageSettings.h"

#include <QString>
#include <QStringList>

// The workbook jobs without a window, for preparing an event from a script or a terminal:
//   import FILE               participants from a workbook, with the dialog's checks
//   export-participants FILE  the participant list as a workbook
//   export-winners FILE       the winners as a workbook
//   verify-log                the draw log checked and compared with the winners
//   export-log FILE           the draw log as a workbook
//   serve-checkin [--port N]  the check-in page on the local network, until interrupted
// Each runs in an event folder (its Data.db and templates). Messages the dialogs would show go to
// standard error; the import's figures and rejected rows go to standard output.
namespace CommandLine {

// The command that opens the check-in desk alone (a window, without a file).
inline constexpr const char* DeskCommand = "checkin";

// The command names of the jobs with a FILE, in the order --help lists them.
QStringList Commands();
// Whether the command is given a FILE (verify-log is not).
bool TakesFile(const QString& command);
// Help lines for the commands.
QString HelpText();
// The port serve-checkin listens on without --port.
constexpr quint16 DefaultCheckinPort = CheckinPageSettings::DefaultPort;
// Runs command on file (an absolute path; empty for a command without one) in appDirectory (with
// "/" appended); returns the exit code: 0 when the job was done, 1 when it could not be (the
// reason is on standard error), 3 when verify-log found the log and the winners disagreeing.
int Run(const QString& command, const QString& file, const QString& appDirectory);
// Serves the check-in page of the event in appDirectory on every address of the machine, port
// port, and prints its address; returns when SIGINT or SIGTERM ends the event loop (0), or 1 when
// it could not start.
int ServeCheckin(const QString& appDirectory, quint16 port);

} // namespace CommandLine
