// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/CPrizeRecordDlg.h"

#include "data/CAdoDatabase.h"
#include "data/DrawLog.h"
#include "data/VoidStore.h"
#include "data/WinnerStore.h"
#include "exchange/ExportWorker.h"
#include "platform/core/MessageService.h"
#include "platform/core/StringTable.h"
#include "records/CRecordListCtrl.h"
#include "records/core/RecordTableModel.h"
#include "records/core/WinnerRecordList.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QStyle>

#include <algorithm>

namespace {

// The list's columns: heading string id, width in pixels.
struct RecordColumn
{
    int stringId;
    int width;
};
constexpr RecordColumn kColumns[] = {{124, 100}, {126, 100}, {102, 80}, {103, 80},
                                     {104, 200}, {149, 150}, {123, 150}};
constexpr int GroupColumnWidth = 100;
constexpr int StatusColumnWidth = 340;

// Template sizes are in dialog units: a quarter of the font's average character width across,
// an eighth of its height down.
class DialogUnits
{
public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : m_baseX((metrics.horizontalAdvance(
                       QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) +
                   26) /
                  52),
          m_baseY(metrics.height())
    {}
    QRect Rect(int x, int y, int w, int h) const
    {
        return {X(x), Y(y), X(x + w) - X(x), Y(y + h) - Y(y)};
    }
    int X(int units) const { return units * m_baseX / 4; }
    int Y(int units) const { return units * m_baseY / 8; }

private:
    int m_baseX;
    int m_baseY;
};

} // namespace

CPrizeRecordDlg::CPrizeRecordDlg(CAdoDatabase& database, QWidget* parent)
    : CPrizeRecordDlg(database, QString(), parent)
{}

CPrizeRecordDlg::CPrizeRecordDlg(CAdoDatabase& database, const QString& appDirectory,
                                 QWidget* parent)
    : QDialog(parent), m_database(database), m_appDirectory(appDirectory)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("查看中獎記錄"));

    const DialogUnits units(fontMetrics());
    const auto button = [this, &units](const QString& text, QRect rect) {
        auto* pushButton = new QPushButton(text, this);
        // Enter presses nothing: the dialog closes only by Escape or its close box.
        pushButton->setAutoDefault(false);
        pushButton->setGeometry(rect);
        return pushButton;
    };
    m_clear = button(tr("清除(&A)"), units.Rect(7, 7, 50, 14));
    m_refresh = button(tr("刷新(&R)"), units.Rect(150, 7, 30, 14));
    m_export = button(tr("导出(&E)"), units.Rect(183, 7, 34, 14));
    m_void = button(tr("作废(&V)…"), units.Rect(222, 7, 40, 14));
    m_undo = button(tr("撤销作废(&U)"), units.Rect(265, 7, 50, 14));
    m_returnsToPool = new QCheckBox(tr("作废者可再次参与抽奖"), this);
    m_returnsToPool->setGeometry(units.Rect(320, 8, 110, 12));

    auto* caption = new QLabel(tr("中奖人数:"), this);
    caption->setGeometry(units.Rect(64, 11, 37, 9));
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setGeometry(units.Rect(62, 7, 85, 14));
    m_count = new QLabel(QStringLiteral("Static"), this);
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setGeometry(units.Rect(103, 9, 40, 10));

    m_list = new CRecordListCtrl(this);
    m_list->SetControlId(ListId);
    m_list->setGeometry(units.Rect(7, 27, 349, 220));
    m_list->setShowGrid(true);
    m_list->horizontalHeader()->setSectionsMovable(true);

    m_progress = new QProgressBar(this);
    m_progress->setGeometry(units.Rect(7, 241, 349, 13));
    m_progress->hide();

    connect(m_clear, &QPushButton::clicked, this, &CPrizeRecordDlg::OnClearAll);
    connect(m_refresh, &QPushButton::clicked, this, &CPrizeRecordDlg::OnRefresh);
    connect(m_export, &QPushButton::clicked, this, &CPrizeRecordDlg::OnExport);
    connect(m_void, &QPushButton::clicked, this, &CPrizeRecordDlg::OnVoid);
    connect(m_undo, &QPushButton::clicked, this, &CPrizeRecordDlg::OnUndoVoid);
    connect(m_returnsToPool, &QCheckBox::toggled, this, &CPrizeRecordDlg::OnReturnsToPoolToggled);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](QPoint point) {
        QMenu menu(this);
        menu.addAction(m_void->text(), this, &CPrizeRecordDlg::OnVoid);
        menu.addAction(m_undo->text(), this, &CPrizeRecordDlg::OnUndoVoid);
        menu.exec(m_list->viewport()->mapToGlobal(point));
    });
    m_askReason = [](QWidget* owner, const QString& text) -> std::optional<QString> {
        bool ok = false;
        const QString reason = QInputDialog::getText(owner, tr("作废中奖记录"), text,
                                                     QLineEdit::Normal, tr("未到场"), &ok);
        return ok ? std::optional(reason.trimmed()) : std::nullopt;
    };

    OnInitDialog();
}

CPrizeRecordDlg::~CPrizeRecordDlg()
{
    // Cleared first: the end of the thread, announced meanwhile, then finds nothing to release.
    if (ExportWorker* worker = std::exchange(m_exportWorker, nullptr)) {
        worker->WaitServingEvents();
        delete worker;
    }
}

void CPrizeRecordDlg::OnInitDialog()
{
    UpdateData();
    m_list->DeleteAllRows();
    m_list->SetColumns(ColumnText());
    m_list->LoadColumnWidths();
    const DialogUnits units(fontMetrics());
    resize(OpeningSize(QSize(units.X(363), units.Y(261))));
    FillRecordList();
    const std::optional<bool> returnsToPool = Voids().ReturnsToPool();
    const QSignalBlocker quiet(m_returnsToPool);
    m_returnsToPool->setChecked(returnsToPool.value_or(false));
    m_returnsToPool->setEnabled(returnsToPool.has_value());
}

QSize CPrizeRecordDlg::OpeningSize(QSize fallback) const
{
    // The list keeps 5 pixels either side (see resizeEvent); its frame and vertical scroll bar
    // take the rest.
    const int listChrome =
        2 * m_list->frameWidth() + m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    QSize size(std::max(fallback.width(), m_list->ColumnsWidth() + listChrome + 10),
               fallback.height());
    const QSize stored = QSettings().value(QLatin1String(SizeKey)).toSize();
    if (stored.isValid() && !stored.isEmpty()) {
        size = stored;
    }
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    return size.expandedTo(minimumSizeHint());
}

QString CPrizeRecordDlg::ColumnText()
{
    QString text;
    for (const RecordColumn& column : kColumns) {
        text += StringTable::Load(column.stringId) + QStringLiteral(",%1;").arg(column.width);
    }
    // The group the prize was won under, then whether the win was voided or fills a voided
    // place.
    return text + tr("分组") + QStringLiteral(",%1;").arg(GroupColumnWidth) + tr("状态") +
           QStringLiteral(",%1;").arg(StatusColumnWidth);
}

QStringList CPrizeRecordDlg::CellTexts(const WinnerRecordEntry& entry)
{
    const WinnerRecordRow& row = entry.win;
    const QString five(5, u' ');
    const QString two(2, u' ');
    return {five + row.step,      five + row.sNo,        two + row.PersonID,
            two + row.PersonName, u' ' + row.sDateTime,  row.JP,
            two + row.company,    two + row.PersonGroup, two + entry.status};
}

void CPrizeRecordDlg::FillRecordList()
{
    m_list->DeleteAllRows();
    WinnerStore store(m_database);
    // When the listing itself fails the layer has said so; the list stays empty. Without the
    // voided wins (their query failed, and said so) the valid ones are still listed.
    if (const auto records = store.Records()) {
        const auto voids = Voids().Records();
        const QList<WinnerRecordEntry> entries =
            WinnerRecordList::Merge(*records, voids.value_or(QList<VoidedWinRow>()));
        std::vector<QStringList> rows;
        rows.reserve(size_t(entries.size()));
        for (const WinnerRecordEntry& entry : entries) {
            rows.push_back(CellTexts(entry));
        }
        m_list->AddRows(std::move(rows));
        for (qsizetype row = 0; row < entries.size(); ++row) {
            if (entries[row].voided) {
                m_list->Model().SetRowDimmed(int(row), true);
            }
        }
    }
    UpdateWinnerCount();
}

void CPrizeRecordDlg::UpdateWinnerCount()
{
    if (const auto count = WinnerStore(m_database).Count()) {
        m_strWinnerCount = QString::number(*count);
        UpdateData();
    }
}

void CPrizeRecordDlg::UpdateData()
{
    m_count->setText(m_strWinnerCount);
}

QString CPrizeRecordDlg::WinnerCountText() const
{
    return m_count->text();
}

void CPrizeRecordDlg::OnClearAll()
{
    // Return keeps the record: No is the default button.
    if (!ConfirmDestructive(StringTable::Load(134))) {
        return;
    }
    // Only a record that is really gone leaves the list: after a failed delete (the layer has
    // shown why) every winner is still stored and stays listed.
    if (WinnerStore(m_database).DeleteAll()) {
        m_list->DeleteAllRows();
        UpdateWinnerCount();
    }
}

void CPrizeRecordDlg::OnRefresh()
{
    FillRecordList();
}

VoidStore CPrizeRecordDlg::Voids()
{
    return VoidStore(m_database, DrawLog::Station());
}

QString CPrizeRecordDlg::SelectedPersonId(bool* voided) const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.size() != 1) {
        return {};
    }
    const int row = selected.first().row();
    *voided = m_list->Model().RowDimmed(row);
    return m_list->ItemText(row, 2).mid(2); // without the column's two blanks
}

void CPrizeRecordDlg::OnVoid()
{
    bool voided = false;
    const QString id = SelectedPersonId(&voided);
    if (id.isEmpty() || voided) {
        ShowMessage(tr("请先在列表中选中一条有效的中奖记录。"));
        return;
    }
    const int row = m_list->selectionModel()->selectedRows().first().row();
    const QString who = QStringLiteral("%1 %2").arg(id, m_list->ItemText(row, 3).trimmed());
    const std::optional<QString> reason =
        m_askReason(this, tr("作废 %1 的中奖记录。原因（可不填）：").arg(who));
    // Return keeps the win: No is the default button.
    if (!reason || !ConfirmDestructive(tr("确定作废 %1 的中奖记录吗？该名额可以补抽。").arg(who))) {
        return;
    }
    VoidRefusal refusal;
    if (!Voids().Void(id, *reason, m_now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                      &refusal)) {
        ShowVoidRefusal(refusal);
    }
    FillRecordList();
}

void CPrizeRecordDlg::OnUndoVoid()
{
    bool voided = false;
    const QString id = SelectedPersonId(&voided);
    if (id.isEmpty() || !voided) {
        ShowMessage(tr("请先在列表中选中一条作废记录。"));
        return;
    }
    VoidRefusal refusal;
    if (!Voids().Undo(id, &refusal)) {
        ShowVoidRefusal(refusal);
    }
    FillRecordList();
}

void CPrizeRecordDlg::ShowVoidRefusal(const VoidRefusal& refusal)
{
    switch (refusal.cause) {
    case VoidRefusal::Cause::NoSuchWin:
        ShowMessage(tr("没有找到这条中奖记录：它可能已在其他抽奖机上被作废或清除。"));
        break;
    case VoidRefusal::Cause::NotVoided:
        ShowMessage(tr("这条作废记录已不能撤销：它可能已在其他抽奖机上被撤销。"));
        break;
    case VoidRefusal::Cause::Replaced:
        ShowMessage(tr("该名额已经补抽，不能撤销作废。"));
        break;
    case VoidRefusal::Cause::WonAgain:
        ShowMessage(tr("作废后此人已再次中奖，不能撤销作废。"));
        break;
    case VoidRefusal::Cause::Failed:
        ShowMessage(tr("无法保存作废的变更。"), refusal.detail);
        break;
    }
}

void CPrizeRecordDlg::OnReturnsToPoolToggled(bool on)
{
    if (!Voids().SetReturnsToPool(on)) {
        const QSignalBlocker quiet(m_returnsToPool);
        m_returnsToPool->setChecked(!on);
        ShowMessage(tr("无法保存“作废者可再次参与抽奖”的设置。"));
    }
}

void CPrizeRecordDlg::OnExport()
{
    if (m_exportWorker) {
        return;
    }
    const QString path = m_chooseSave(this, QStringLiteral("Prize1.xlsx"));
    if (path.isEmpty()) {
        return;
    }
    // Written on a thread of its own: the window stays drawn and the bar moves meanwhile.
    m_exportWorker =
        new ExportWorker(m_database.Target(), m_appDirectory, path, ExportWorker::Table::Winners);
    m_export->setEnabled(false);
    connect(m_exportWorker, &ExportWorker::progress, m_progress, [this](int written, int count) {
        m_progress->setRange(0, count);
        m_progress->setValue(written);
        m_progress->show();
    });
    connect(m_exportWorker, &QThread::finished, this, [this, worker = m_exportWorker] {
        if (m_exportWorker != worker) {
            return; // released by the destructor
        }
        m_exportWorker = nullptr;
        worker->wait();
        worker->deleteLater();
        m_progress->hide();
        m_export->setEnabled(true);
    });
    m_exportWorker->start();
}

void CPrizeRecordDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous()) {
        return; // minimised, not closed
    }
    QSettings settings;
    settings.setValue(QLatin1String(SizeKey), isMaximized() ? normalGeometry().size() : size());
    m_list->SaveColumnWidths(settings);
}

void CPrizeRecordDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const int cx = event->size().width();
    const int cy = event->size().height();
    m_list->setGeometry(5, 50, cx - 10, cy - 55);
    m_progress->setGeometry(5, cy / 2, cx - 20, 60);
}
