// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

// The file dialogs of the workbook import and exports. Dialogs hold a chooser so that tests
// answer it instead of a modal dialog; an empty path means the operator cancelled.
namespace WorkbookFileDialog {

// owner, proposed file name (for a save) or empty (for an open).
using Chooser = std::function<QString(QWidget* owner, const QString& proposedName)>;

// Asks for a workbook to read (.xlsx, .xls or .csv).
QString ChooseToOpen(QWidget* owner, const QString& proposedName);
// Asks where to save a workbook, proposing proposedName; asks before replacing a file. The
// workbook is written as .xlsx, and the path returned always ends so (see SaveName).
QString ChooseToSave(QWidget* owner, const QString& proposedName);
// The path a workbook is saved under when the operator chose chosen: ".xls" becomes ".xlsx", a
// name without ".xlsx" gets it appended.
QString SaveName(const QString& chosen);

} // namespace WorkbookFileDialog
