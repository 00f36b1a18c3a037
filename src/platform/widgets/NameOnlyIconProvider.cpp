// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/NameOnlyIconProvider.h"

#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

namespace {

// The MIME type by name only: MatchExtension never looks into the file.
QMimeType TypeByName(const QFileInfo& info)
{
    static const QMimeDatabase database;
    return database.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

} // namespace

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const
{
    if (info.isDir()) {
        return icon(Folder);
    }
    const QIcon themed = QIcon::fromTheme(TypeByName(info).iconName());
    return themed.isNull() ? icon(File) : themed;
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const
{
    if (info.isDir()) {
        return QAbstractFileIconProvider::type(info);
    }
    return TypeByName(info).comment();
}
