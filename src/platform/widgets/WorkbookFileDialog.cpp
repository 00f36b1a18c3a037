// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/WorkbookFileDialog.h"

#include "platform/core/MessageService.h"
#include "platform/widgets/FileChooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace WorkbookFileDialog {

QString ChooseToOpen(QWidget* owner, const QString& proposedName)
{
    const QString filter =
        QCoreApplication::translate("WorkbookFileDialog", "工作簿 (*.xlsx *.xls *.csv)");
    return FileChooser::Open(owner, proposedName, filter);
}

QString SaveName(const QString& chosen)
{
    const QString suffix = QFileInfo(chosen).suffix();
    if (suffix.compare(u"xlsx", Qt::CaseInsensitive) == 0) {
        return chosen;
    }
    // The content is .xlsx: a name ending in .xls would make spreadsheet programs complain or
    // refuse, so that extension is corrected; any other is kept and ".xlsx" put after it.
    if (suffix.compare(u"xls", Qt::CaseInsensitive) == 0) {
        return chosen + u'x';
    }
    return chosen + QStringLiteral(".xlsx");
}

QString ChooseToSave(QWidget* owner, const QString& proposedName)
{
    const QString filter = QCoreApplication::translate("WorkbookFileDialog", "工作簿 (*.xlsx)");
    QString start = proposedName;
    for (;;) {
        const QString chosen = FileChooser::Save(owner, start, filter);
        if (chosen.isEmpty()) {
            return QString();
        }
        const QString path = SaveName(chosen);
        // The dialog asked before replacing the name typed, not the corrected one.
        if (path == chosen || !QFileInfo::exists(path) ||
            ConfirmDestructive(QCoreApplication::translate("WorkbookFileDialog",
                                                           "工作簿将保存为 %1，这个文件已存在。\n"
                                                           "要替换它吗？")
                                   .arg(QDir::toNativeSeparators(path)))) {
            return path;
        }
        start = path;
    }
}

} // namespace WorkbookFileDialog
