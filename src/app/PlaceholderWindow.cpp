#include "PlaceholderWindow.h"

#include "CDrawApp.h"
#include "SqlStatements.h"
#include "StringTable.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow(CDrawApp& app, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(StringTable::Load(110));
    QString count;
    if (app.Database().OpenQuery(QLatin1String(SqlStatements::CountPersons)) &&
        !app.Database().IsEOF()) {
        count = app.Database().GetFieldText(QStringLiteral("num"));
    }
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        tr("数据库: %1\n参加抽奖的人数: %2").arg(app.Database().Target().path, count), this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    auto* close = new QPushButton(tr("关闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close);
}
