#include "WorkbookFileDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace WorkbookFileDialog {

QString ChooseToOpen(QWidget* owner, const QString& proposedName)
{
    const QString filter =
        QCoreApplication::translate("WorkbookFileDialog", "工作簿 (*.xlsx *.xls *.csv)");
    return QFileDialog::getOpenFileName(owner, QString(), proposedName, filter);
}

QString ChooseToSave(QWidget* owner, const QString& proposedName)
{
    const QString filter = QCoreApplication::translate("WorkbookFileDialog", "工作簿 (*.xlsx)");
    QString path = QFileDialog::getSaveFileName(owner, QString(), proposedName, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".xlsx");
    }
    return path;
}

} // namespace WorkbookFileDialog
