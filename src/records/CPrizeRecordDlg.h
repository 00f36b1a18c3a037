// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/widgets/WorkbookFileDialog.h"

#include <QDateTime>
#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class CAdoDatabase;
class CRecordListCtrl;
class ExportWorker;
class QCheckBox;
class VoidStore;
class QLabel;
class QProgressBar;
class QPushButton;
struct VoidRefusal;
struct WinnerRecordEntry;

// The winners record: every stored winner in prize order in a sortable list, how many winners
// are stored, and a button that empties the record for a new event. Each open and each
// refresh reads the database again.
//
// Voided wins (the winner was absent) are listed too, greyed, with when and why they were
// voided; a win that fills a voided place is listed right after it. The operator voids a valid
// win (with an optional reason, confirmed) and undoes an open void, by the buttons or the list's
// context menu, and sets whether a voided participant may win again at this event.
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
    // A line's cell texts in column order, with the blanks each column puts in front.
    static QStringList CellTexts(const WinnerRecordEntry& entry);

    // Asks the reason of a void (the text names the win): the text, maybe empty, or nullopt
    // when the operator cancels. The default asks in a small dialog.
    using ReasonAsker = std::function<std::optional<QString>(QWidget*, const QString&)>;
    void SetReasonAsker(ReasonAsker asker) { m_askReason = std::move(asker); }
    // The time voids are stored with; the local time by default.
    void SetClock(std::function<QDateTime()> clock) { m_now = std::move(clock); }

    CRecordListCtrl& List() const { return *m_list; }
    QString WinnerCountText() const;
    QPushButton& ClearButton() const { return *m_clear; }
    QPushButton& RefreshButton() const { return *m_refresh; }
    QPushButton& ExportButton() const { return *m_export; }
    QPushButton& VoidButton() const { return *m_void; }
    QPushButton& UndoVoidButton() const { return *m_undo; }
    QCheckBox& ReturnsToPoolBox() const { return *m_returnsToPool; }

    void OnClearAll();
    void OnRefresh();
    void OnExport();
    // Voids the selected valid win, after asking the reason and a confirmation.
    void OnVoid();
    // Undoes the selected void, unless a replacement was drawn or the participant won again.
    void OnUndoVoid();
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
    // The participant number of the selected line and whether that line is a voided win; an
    // empty number when no line is selected.
    QString SelectedPersonId(bool* voided) const;
    void OnReturnsToPoolToggled(bool on);
    // The voided wins, stored under this station's name.
    VoidStore Voids();
    void ShowVoidRefusal(const VoidRefusal& refusal);

    CAdoDatabase& m_database;
    QString m_appDirectory;
    WorkbookFileDialog::Chooser m_chooseSave = &WorkbookFileDialog::ChooseToSave;
    QProgressBar* m_progress = nullptr;
    CRecordListCtrl* m_list = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_refresh = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_void = nullptr;
    QPushButton* m_undo = nullptr;
    QCheckBox* m_returnsToPool = nullptr;
    ReasonAsker m_askReason;
    std::function<QDateTime()> m_now = &QDateTime::currentDateTime;
    ExportWorker* m_exportWorker = nullptr;
};
