// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/CImportResultDlg.h"

#include "platform/core/StringTable.h"
#include "registry/ImportFailureModel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int RowColumnId = 146;
constexpr int ReasonColumnId = 147;
constexpr int RowColumnWidth = 250;
constexpr int ReasonColumnWidth = 200;

QFrame* Line(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

CImportResultDlg::CImportResultDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("导入信息"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);

    auto* counts = new QGridLayout;
    const auto countRow = [&](int row, const QString& caption, QLabel*& value) {
        counts->addWidget(new QLabel(caption, this), row, 0);
        value = new QLabel(this);
        value->setAlignment(Qt::AlignCenter);
        value->setMinimumWidth(60);
        counts->addWidget(value, row, 1);
        counts->addWidget(new QLabel(tr("笔"), this), row, 2);
    };
    countRow(0, tr("一共导入："), m_total);
    countRow(1, tr("成功导入："), m_imported);
    countRow(2, tr("导入失败："), m_rejected);
    auto* note = new QLabel(tr("注：导入的ＥＸＣＥＬ文件的第一列必须为ID,NAME,MEMO，同时该工作簿的"
                               "名称必须为sheet1"),
                            this);
    note->setWordWrap(true);
    note->setEnabled(false);
    auto* top = new QHBoxLayout;
    top->addLayout(counts);
    top->addSpacing(20);
    top->addWidget(note, 1);

    auto* heading = new QHBoxLayout;
    heading->addWidget(Line(this), 1);
    heading->addWidget(new QLabel(tr("失败导入明细表"), this));
    heading->addWidget(Line(this), 1);

    m_failures = new ImportFailureModel(this);
    m_list = new QTreeView(this);
    m_list->setModel(m_failures);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setSectionsMovable(true);
    m_list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addLayout(heading);
    main->addWidget(m_list, 1);
    resize(510, 390);
    OnInitDialog();
}

void CImportResultDlg::OnInitDialog()
{
    m_failures->Clear();
    m_failures->SetHeaders({StringTable::Load(RowColumnId), StringTable::Load(ReasonColumnId)});
    m_list->setColumnWidth(0, RowColumnWidth);
    m_list->setColumnWidth(1, ReasonColumnWidth);
}

void CImportResultDlg::UpdateData()
{
    m_total->setText(m_strTotal);
    m_imported->setText(m_strImported);
    m_rejected->setText(m_strRejected);
}

void CImportResultDlg::ResetResults()
{
    m_failures->Clear();
    m_strTotal.clear();
    m_strImported.clear();
    m_strRejected.clear();
    UpdateData();
}

void CImportResultDlg::SetCounts(int total, int imported, int rejected)
{
    m_strTotal = QString::number(total);
    m_strImported = QString::number(imported);
    m_strRejected = QString::number(rejected);
    UpdateData();
}

void CImportResultDlg::AddFailure(const QString& rowText, const QString& reason)
{
    AddFailures({{rowText, reason}});
}

void CImportResultDlg::AddFailures(const QList<QPair<QString, QString>>& failures)
{
    if (failures.isEmpty()) {
        return;
    }
    m_failures->Append(failures);
    m_list->scrollToBottom();
}
