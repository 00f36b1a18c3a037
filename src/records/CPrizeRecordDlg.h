// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/widgets/WorkbookFileDialog.h"

#include <QDialog>
#include <QStringList>

class CAdoDatabase;
class CRecordListCtrl;
class ExportWorker;
class QLabel;
class QProgressBar;
class QPushButton;
struct WinnerRecordRow;

// The winners record: every stored winner in prize order in a sortable list, how many winners
// are stored, and a button that empties the record for a new event. Each open and each
// refresh reads the database again.
class CPrizeRecordDlg : public QDialog
{
    Q_OBJECT

public:
    // Control id of the list, under which its stored column widths are looked up.
    static constexpr int ListId = 1019;
    // The settings entry that keeps the dialog's size between runs.
    static constexpr const char* SizeKey = "Dialogs/PrizeRecordSize";

    explicit CPrizeRecordDlg(CAdoDatabase& database, QWidget* parent = nullptr);
    // appDirectory: the program's folder with "/" appended, where the export's template lies.
    CPrizeRecordDlg(CAdoDatabase& database, const QString& appDirectory, QWidget* parent = nullptr);
    ~CPrizeRecordDlg() override;

    // Reloads the list in query order and the count.
    void FillRecordList();

    // The column text of the list: heading and width of each column.
    static QString ColumnText();
    // A row's cell texts in column order, with the blanks each column puts in front.
    static QStringList CellTexts(const WinnerRecordRow& row);

    CRecordListCtrl& List() const { return *m_list; }
    QString WinnerCountText() const;
    QPushButton& ClearButton() const { return *m_clear; }
    QPushButton& RefreshButton() const { return *m_refresh; }
    QPushButton& ExportButton() const { return *m_export; }

    void OnClearAll();
    void OnRefresh();
    void OnExport();
    // The export's save dialog; the default asks the operator.
    void SetSaveChooser(WorkbookFileDialog::Chooser chooser) { m_chooseSave = std::move(chooser); }
    QProgressBar& ProgressBar() const { return *m_progress; }
    // The running export, or nullptr.
    ExportWorker* RunningExport() const { return m_exportWorker; }

    QString m_strWinnerCount;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Stores the dialog's size and the list's column widths for the next opening.
    void hideEvent(QHideEvent* event) override;

private:
    void OnInitDialog();
    // Shows m_strWinnerCount in its label.
    void UpdateData();
    // Reads the number of stored winners into the label; a failed query keeps the old text.
    void UpdateWinnerCount();
    // The size the dialog opens at: the stored one, else wide enough for every column; never
    // larger than the screen.
    QSize OpeningSize(QSize fallback) const;

    CAdoDatabase& m_database;
    QString m_appDirectory;
    WorkbookFileDialog::Chooser m_chooseSave = &WorkbookFileDialog::ChooseToSave;
    QProgressBar* m_progress = nullptr;
    CRecordListCtrl* m_list = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_refresh = nullptr;
    QPushButton* m_export = nullptr;
    ExportWorker* m_exportWorker = nullptr;
};
