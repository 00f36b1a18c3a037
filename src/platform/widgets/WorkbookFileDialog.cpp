// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/WorkbookFileDialog.h"

#include "platform/widgets/FileChooser.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace WorkbookFileDialog {

QString ChooseToOpen(QWidget* owner, const QString& proposedName)
{
    const QString filter =
        QCoreApplication::translate("WorkbookFileDialog", "工作簿 (*.xlsx *.xls *.csv)");
    return FileChooser::Open(owner, proposedName, filter);
}

QString ChooseToSave(QWidget* owner, const QString& proposedName)
{
    const QString filter = QCoreApplication::translate("WorkbookFileDialog", "工作簿 (*.xlsx)");
    QString path = FileChooser::Save(owner, proposedName, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".xlsx");
    }
    return path;
}

} // namespace WorkbookFileDialog
