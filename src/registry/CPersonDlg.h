// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/PersonStore.h"
#include "platform/widgets/WorkbookFileDialog.h"
#include "registry/PersonDlgLayout.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <functional>

class CAdoDatabase;
class CImportResultDlg;
class ExportWorker;
class ImportWorker;
class PersonCheckinBar;
class PersonTableModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

// The dialog in which the operator keeps the participants: lists them with their count, keys in
// new ones one after another, changes a name, remark and group, deletes one or all, reloads the
// list, and finds participants by number, name or group as one types.
//
// It has two modes, carried by the add button's caption: browse ("新增(&N)") and add ("取消(&C)").
// Enter never closes the dialog; Escape and the close box do, in either mode.
class CPersonDlg : public QDialog
{
    Q_OBJECT

public:
    // The dialog's controls, for the code that drives it (imports, exports, tests).
    using Controls = PersonDlgLayout::Controls;

    // The template the operator fills for an import, beside the program; the first of these
    // extensions that exists is opened.
    static constexpr const char* TemplateName = "template2";

    CPersonDlg(CAdoDatabase& database, const QString& appDirectory, QWidget* parent = nullptr);
    ~CPersonDlg() override;

    const Controls& Ui() const { return m_ui; }
    PersonCheckinBar& Checkins() const { return *m_checkins; }
    PersonTableModel& Model() { return *m_model; }

    // Opens a document with the desktop's default application; the default asks the desktop
    // and shows the path when nothing opens it.
    void SetDocumentOpener(std::function<void(const QUrl&)> opener)
    {
        m_openDocument = std::move(opener);
    }

    // The file dialogs of the import and the export; the defaults ask the operator.
    void SetOpenChooser(WorkbookFileDialog::Chooser chooser) { m_chooseOpen = std::move(chooser); }
    void SetSaveChooser(WorkbookFileDialog::Chooser chooser) { m_chooseSave = std::move(chooser); }

    // The import's result window, owned by the dialog.
    CImportResultDlg& ResultDialog() const { return *m_pResultDlg; }
    // The running import, or nullptr.
    ImportWorker* RunningImport() const { return m_importWorker; }
    // The running export, or nullptr.
    ExportWorker* RunningExport() const { return m_exportWorker; }

    // Reloads the list in participant-number order, and the record count.
    void FillList();
    // Shows the number of participants stored.
    void UpdateRecordCount();

    // True in add mode (the add button reads "取消(&C)").
    bool IsAddMode() const;

    // Enter does nothing.
    void accept() override;
    // Escape closes the dialog, except while an import runs.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnInitDialog();
    void OnChangeID();
    void OnAdd();
    void OnSave();
    void OnModify();
    // Whether the number id (empty: not checked) and the typed name and remark can be stored as
    // they read; otherwise the operator is told why and false returned.
    bool TextsStorable(const QString& id);
    void OnDelete();
    void OnClearAll();
    void OnRefresh();
    void OnImport();
    void OnViewTemplate();
    void OnExport();
    void OnItemChangedList();
    void OnFind(const QString& text);
    // The import's thread has ended: the results are complete, the list is reloaded.
    void OnImportFinished();
    // False, with a notice, while an import runs.
    bool CanClose();
    // True when the change of participant m_strID was made. Otherwise says so: failedText
    // after a failed statement; missingText (%1: the number) when the participant is no longer
    // stored, once the list is reloaded to show so.
    bool Changed(PersonStore::Change change, const QString& failedText, const QString& missingText);

    // Moves the five texts between the members and the controls: true reads the controls.
    void UpdateData(bool save);
    void BuildLayout();

    CAdoDatabase& m_database;
    PersonStore m_store;
    QString m_appDirectory;
    PersonTableModel* m_model = nullptr;
    PersonCheckinBar* m_checkins = nullptr; // the check-in line over the list
    Controls m_ui;
    std::function<void(const QUrl&)> m_openDocument;
    WorkbookFileDialog::Chooser m_chooseOpen;
    WorkbookFileDialog::Chooser m_chooseSave;
    CImportResultDlg* m_pResultDlg = nullptr;
    ImportWorker* m_importWorker = nullptr;
    ExportWorker* m_exportWorker = nullptr;

    QString m_strID;
    QString m_strName;
    QString m_strCount;
    QString m_strMemo;
    QString m_strGroup;
};
