// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/CRecordListCtrl.h"

#include "records/CRecordListHeader.h"
#include "records/core/ColumnLayout.h"
#include "records/core/RecordTableModel.h"

#include <QPainter>
#include <QSettings>
#include <QStyledItemDelegate>

namespace {

// Hands the painting of every cell to the list.
class RecordCellDelegate final : public QStyledItemDelegate
{
public:
    explicit RecordCellDelegate(CRecordListCtrl* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        m_list->PaintCell(painter, option, index);
    }

private:
    CRecordListCtrl* m_list;
};

} // namespace

CRecordListCtrl::CRecordListCtrl(QWidget* parent) : QTableView(parent)
{
    m_model = new RecordTableModel(this);
    m_header = new CRecordListHeader(this);
    setHorizontalHeader(m_header);
    setModel(m_model);
    setItemDelegate(new RecordCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_header->setSectionResizeMode(QHeaderView::Interactive);
    m_header->setStretchLastSection(false);
    m_header->setMinimumSectionSize(0);
    m_header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(m_header, &QHeaderView::sectionClicked, this, &CRecordListCtrl::OnColumnClick);
}

CRecordListCtrl::~CRecordListCtrl() = default;

bool CRecordListCtrl::SetColumns(const QString& columnText)
{
    for (const ColumnLayout::Column& column : ColumnLayout::ParseColumnText(columnText)) {
        const int index = m_model->AddColumn(column.heading);
        if (index < 0 || index >= m_header->count()) {
            return false;
        }
        m_header->resizeSection(index, column.width);
    }
    return true;
}

int CRecordListCtrl::AddRow(const QStringList& texts)
{
    return m_model->AddRow(texts);
}

void CRecordListCtrl::AddRows(std::vector<QStringList> rows)
{
    m_model->AddRows(std::move(rows));
}

bool CRecordListCtrl::DeleteAllRows()
{
    m_model->DeleteAllRows();
    return true;
}

bool CRecordListCtrl::FreeRowTexts(int row)
{
    return m_model->FreeRowTexts(row);
}

bool CRecordListCtrl::SortByColumn(int column, bool ascending)
{
    m_sortColumn = column;
    m_sortAscending = ascending;
    m_header->SetSortArrow(column, ascending);
    if (column < 0 || column >= m_model->ColumnCount()) {
        return false;
    }
    m_model->SortRows(column, ascending);
    return true;
}

void CRecordListCtrl::OnColumnClick(int column)
{
    const bool ascending = column != m_sortColumn || !m_sortAscending;
    SortByColumn(column, ascending);
}

QString CRecordListCtrl::SettingsKey() const
{
    return QStringLiteral("ListCtrls/%1").arg(m_controlId);
}

void CRecordListCtrl::LoadColumnWidths()
{
    QSettings settings;
    LoadColumnWidths(settings);
}

void CRecordListCtrl::LoadColumnWidths(QSettings& settings)
{
    const QVariant value = settings.value(SettingsKey());
    if (!value.isValid()) {
        return;
    }
    const QByteArray bytes = value.toByteArray();
    if (!bytes.isEmpty()) {
        m_header->LoadWidths(bytes);
    }
}

void CRecordListCtrl::SaveColumnWidths()
{
    QSettings settings;
    SaveColumnWidths(settings);
}

void CRecordListCtrl::SaveColumnWidths(QSettings& settings)
{
    std::vector<int> widths;
    for (int i = 0; i < m_header->count(); ++i) {
        widths.push_back(m_header->sectionSize(i));
    }
    settings.setValue(SettingsKey(), ColumnLayout::StoredWidths(widths));
}

int CRecordListCtrl::ColumnsWidth() const
{
    return m_header->length();
}

int CRecordListCtrl::RowCount() const
{
    return m_model->RowCount();
}

QString CRecordListCtrl::ItemText(int row, int column) const
{
    return m_model->Text(row, column);
}

void CRecordListCtrl::PaintCell(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    const int row = index.row();
    const int column = index.column();
    const bool selected = option.state & QStyle::State_Selected;
    const bool marked = m_model->Text(row, 3) == m_strMarkText;

    const auto background = [&] {
        if (selected) {
            return SelectedBackground;
        }
        return marked ? MarkedBackground : NormalBackground;
    };

    const QString text = m_model->Text(row, column);
    if (text.isEmpty()) {
        // An empty cell is not painted, but the first column's fill spans the whole row: an
        // empty cell shows it wherever the first column has text.
        if (column != 0 && !m_model->Text(row, 0).isEmpty()) {
            painter->fillRect(option.rect, background());
        }
        return;
    }

    QColor textColour = NormalText;
    if (column == 1 || column == 4) {
        textColour = Columns1And4Text;
    } else if (column == 2) {
        textColour = Column2Text;
    }
    if (marked) {
        textColour = MarkedText;
    }
    if (m_model->RowDimmed(row)) {
        textColour = DimmedText;
    }

    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, background());
    painter->setPen(selected ? SelectedText : textColour);
    const Qt::Alignment align = column == 2 ? Qt::AlignRight : Qt::AlignLeft;
    painter->drawText(option.rect, int(align | Qt::AlignVCenter | Qt::TextSingleLine), text);
    painter->restore();
}
