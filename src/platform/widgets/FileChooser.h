// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The program's file dialogs. Every dialog the operator sees comes from here, so that none of
// them reads the files of the folder it lists (see NameOnlyIconProvider): the event folder holds
// the live database, whose locks a single read by the program would drop.
//
// The dialogs are Qt's own (never a desktop's native dialog, which would sniff the files in this
// process), modal over owner. An empty path means the operator cancelled.
namespace FileChooser {

// A file to read; start is a folder or a file name proposed in it (empty: the current folder).
QString Open(QWidget* owner, const QString& start, const QString& filter);
// Where to save; asks before an existing file is replaced.
QString Save(QWidget* owner, const QString& proposedName, const QString& filter);

} // namespace FileChooser
