// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/FileChooser.h"

#include "platform/widgets/NameOnlyIconProvider.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>

namespace FileChooser {

namespace {

QString Run(QWidget* owner, const QString& start, const QString& filter,
            QFileDialog::AcceptMode mode)
{
    // A dialog lists its first folder as it is made, before an icon provider can be set; it is
    // made on an empty folder of its own and sent to the operator's folder only afterwards.
    const QTemporaryDir empty;
    QFileDialog dialog(owner, QString(), empty.isValid() ? empty.path() : QDir::rootPath(), filter);
    static NameOnlyIconProvider provider;
    dialog.setIconProvider(&provider);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);

    const QFileInfo info(start.isEmpty() ? QDir::currentPath() : start);
    if (info.isDir()) {
        dialog.setDirectory(info.absoluteFilePath());
    } else {
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString Open(QWidget* owner, const QString& start, const QString& filter)
{
    return Run(owner, start, filter, QFileDialog::AcceptOpen);
}

QString Save(QWidget* owner, const QString& proposedName, const QString& filter)
{
    return Run(owner, proposedName, filter, QFileDialog::AcceptSave);
}

} // namespace FileChooser
