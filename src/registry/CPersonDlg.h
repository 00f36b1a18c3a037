#pragma once

#include "PersonStore.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <functional>

class CAdoDatabase;
class PersonTableModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

// The dialog in which the operator keeps the participants: lists them with their count, keys in
// new ones one after another, changes a name and remark, deletes one or all, reloads the list,
// and finds participants by number or name as one types.
//
// It has two modes, carried by the add button's caption: browse ("新增(&N)") and add ("取消(&C)").
// Enter never closes the dialog; Escape and the close box do, in either mode.
class CPersonDlg : public QDialog
{
    Q_OBJECT

public:
    // The dialog's controls, for the code that drives it (imports, exports, tests).
    struct Controls
    {
        QLineEdit* id = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* memo = nullptr;
        QPushButton* add = nullptr;
        QPushButton* save = nullptr;
        QPushButton* modify = nullptr;
        QPushButton* remove = nullptr;
        QPushButton* refresh = nullptr;
        QPushButton* clearAll = nullptr;
        QPushButton* import = nullptr;
        QPushButton* viewTemplate = nullptr;
        QPushButton* exportList = nullptr;
        QLabel* count = nullptr;
        QLabel* note = nullptr;
        QLineEdit* find = nullptr;
        QTableView* list = nullptr;
        QProgressBar* progress = nullptr;
    };

    // The template the operator fills for an import, beside the program; the first of these
    // extensions that exists is opened.
    static constexpr const char* TemplateName = "template2";

    CPersonDlg(CAdoDatabase& database, const QString& appDirectory, QWidget* parent = nullptr);
    ~CPersonDlg() override;

    const Controls& Ui() const { return m_ui; }
    PersonTableModel& Model() { return *m_model; }

    // Opens a document with the desktop's default application; the default asks the desktop.
    void SetDocumentOpener(std::function<void(const QUrl&)> opener)
    {
        m_openDocument = std::move(opener);
    }

    // Reloads the list in participant-number order, and the record count.
    void FillList();
    // Shows the number of participants stored.
    void UpdateRecordCount();

    // True in add mode (the add button reads "取消(&C)").
    bool IsAddMode() const;

    // Enter does nothing.
    void accept() override;

private:
    void OnInitDialog();
    void OnChangeID();
    void OnAdd();
    void OnSave();
    void OnModify();
    void OnDelete();
    void OnClearAll();
    void OnRefresh();
    void OnImport();
    void OnViewTemplate();
    void OnExport();
    void OnItemChangedList();
    void OnFind(const QString& text);

    // Moves the four texts between the members and the controls: true reads the controls.
    void UpdateData(bool save);
    void BuildLayout();

    PersonStore m_store;
    QString m_appDirectory;
    PersonTableModel* m_model = nullptr;
    Controls m_ui;
    std::function<void(const QUrl&)> m_openDocument;

    QString m_strID;
    QString m_strName;
    QString m_strCount;
    QString m_strMemo;
};
