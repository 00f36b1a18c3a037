// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CAdoDatabase;
class CDrawDlg;

// Opens the operator's dialogs for the draw window's menu commands, modally over the window: the
// participants, the prize names, the event settings and the check-in desk. Saved event settings are
// applied to the window at once.
void ConnectOperatorDialogs(CDrawDlg& window, CAdoDatabase& database, const QString& appDirectory);
