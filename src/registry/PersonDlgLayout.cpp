// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/PersonDlgLayout.h"

#include "exchange/PersonText.h"
#include "registry/PersonIdValidator.h"
#include "registry/PersonTableModel.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Widths of the list's columns in pixels: number, name, remark, group.
constexpr int kColumnWidths[] = {100, 100, 185, 100, 140};
static_assert(std::size(kColumnWidths) == PersonTableModel::ColumnCount);

} // namespace

PersonDlgLayout::Controls PersonDlgLayout::Build(QDialog& dialog, PersonTableModel& model)
{
    Controls ui;
    QDialog* const self = &dialog;
    dialog.setWindowTitle(tr("录入抽奖人员信息"));
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    dialog.setSizeGripEnabled(true);

    const auto button = [self](const QString& text) { return new QPushButton(text, self); };

    ui.id = new QLineEdit(self);
    ui.id->setValidator(new PersonIdValidator(ui.id));
    ui.id->setEnabled(false);
    ui.name = new QLineEdit(self);
    ui.name->setMaxLength(PersonText::MaxNameChars);
    ui.memo = new QLineEdit(self);
    ui.memo->setMaxLength(PersonText::MaxRemarkChars);
    ui.group = new QLineEdit(self);
    ui.group->setMaxLength(PersonText::MaxGroupChars);
    ui.note = new QLabel(
        tr("注：抽奖程序将从本人员列表中随机抽出幸运人员,每人仅有中奖一次的机会。"), self);
    ui.note->setWordWrap(true);
    ui.note->setEnabled(false);
    ui.import = button(tr("从Excel导入"));
    ui.viewTemplate = button(tr("查看Excel模版"));
    ui.exportList = button(tr("导出至Excel"));

    ui.add = button(tr("新增(&I)"));
    ui.save = button(tr("保存(&S)"));
    ui.save->setEnabled(false);
    ui.save->setDefault(true);
    ui.modify = button(tr("修改(&M)"));
    ui.remove = button(tr("删除(&D)"));
    ui.refresh = button(tr("刷新(R)"));
    ui.clearAll = button(tr("清除全部"));
    ui.count = new QLabel(self);
    ui.count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.count->setMinimumWidth(80);

    ui.find = new QLineEdit(self);
    ui.find->setPlaceholderText(tr("输入编号、姓名或分组查找"));
    ui.find->setClearButtonEnabled(true);

    ui.list = new QTableView(self);
    ui.list->setModel(&model);
    ui.list->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.list->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.list->setShowGrid(true);
    ui.list->setWordWrap(false);
    ui.list->setAlternatingRowColors(false);
    // Every row has the same height: the view then never measures rows, whatever their number.
    QHeaderView* rows = ui.list->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(ui.list->fontMetrics().height() + 6);
    QHeaderView* columns = ui.list->horizontalHeader();
    columns->setSectionsMovable(true);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    for (int column = 0; column < PersonTableModel::ColumnCount; ++column) {
        columns->resizeSection(column, kColumnWidths[column]);
    }
    columns->setStretchLastSection(true);

    ui.progress = new QProgressBar(self);
    ui.progress->hide();

    // Top: the four edits, the note, and the workbook buttons on the right.
    auto* top = new QGridLayout;
    top->addWidget(new QLabel(tr("编号："), self), 0, 0);
    top->addWidget(ui.id, 0, 1);
    top->addWidget(new QLabel(tr("姓名："), self), 1, 0);
    top->addWidget(ui.name, 1, 1);
    top->addWidget(new QLabel(tr("备注："), self), 2, 0);
    top->addWidget(ui.memo, 2, 1, 1, 2);
    top->addWidget(new QLabel(tr("分组："), self), 3, 0);
    top->addWidget(ui.group, 3, 1);
    top->addWidget(ui.note, 0, 2, 2, 1);
    auto* workbook = new QVBoxLayout;
    workbook->addWidget(ui.import);
    workbook->addWidget(ui.viewTemplate);
    workbook->addWidget(ui.exportList);
    top->addLayout(workbook, 0, 3, 4, 1, Qt::AlignTop);
    top->setColumnStretch(1, 2);
    top->setColumnStretch(2, 3);
    ui.id->setMinimumWidth(110);
    ui.name->setMinimumWidth(110);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ui.add, ui.save, ui.modify, ui.remove, ui.refresh, ui.clearAll}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(new QLabel(tr("记录总数:"), self));
    buttons->addWidget(ui.count);

    auto* line = new QFrame(self);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* find = new QHBoxLayout;
    auto* findLabel = new QLabel(tr("查找(&F)："), self);
    findLabel->setBuddy(ui.find);
    find->addWidget(findLabel);
    find->addWidget(ui.find, 1);

    auto* main = new QVBoxLayout(self);
    main->addLayout(top);
    main->addLayout(buttons);
    main->addWidget(line);
    main->addLayout(find);
    main->addWidget(ui.list, 1);
    main->addWidget(ui.progress);

    dialog.resize(640, 480);
    return ui;
}
