// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/CPrizeRecordDlg.h"

#include "data/CAdoDatabase.h"
#include "records/CRecordListCtrl.h"
#include "platform/core/MessageService.h"
#include "platform/core/StringTable.h"
#include "data/WinnerStore.h"
#include "exchange/ExportWorker.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
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
    // The group the prize was won under, last.
    return text + tr("分组") + QStringLiteral(",%1;").arg(GroupColumnWidth);
}

QStringList CPrizeRecordDlg::CellTexts(const WinnerRecordRow& row)
{
    const QString five(5, u' ');
    const QString two(2, u' ');
    return {five + row.step,      five + row.sNo, two + row.PersonID, two + row.PersonName,
            u' ' + row.sDateTime, row.JP,         two + row.company,  two + row.PersonGroup};
}

void CPrizeRecordDlg::FillRecordList()
{
    m_list->DeleteAllRows();
    WinnerStore store(m_database);
    // When the listing itself fails the layer has said so; the list stays empty.
    if (const auto records = store.Records()) {
        std::vector<QStringList> rows;
        rows.reserve(records->size());
        for (const WinnerRecordRow& record : *records) {
            rows.push_back(CellTexts(record));
        }
        m_list->AddRows(std::move(rows));
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
