// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/CPersonDlg.h"

#include "data/CAdoDatabase.h"
#include "exchange/ExportWorker.h"
#include "exchange/ImportPerson.h"
#include "exchange/PersonText.h"
#include "exchange/WorkbookExport.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/GbkText.h"
#include "platform/core/MessageService.h"
#include "platform/core/StringTable.h"
#include "registry/CImportResultDlg.h"
#include "registry/ImportWorker.h"
#include "registry/PersonCheckinBar.h"
#include "registry/PersonDlgLayout.h"
#include "registry/PersonIdValidator.h"
#include "registry/PersonTableModel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// String table ids of the dialog's texts.
constexpr int IdTooLongId = 127;
constexpr int PersonExistsId = 128;
constexpr int CancelCaptionId = 129;
constexpr int NewCaptionId = 130;
constexpr int ConfirmDeleteId = 131;
constexpr int SelectFirstId = 132;
constexpr int ConfirmClearId = 133;
constexpr int IdEmptyId = 136;
constexpr int NameEmptyId = 137;
constexpr int TemplateMissingId = 140;
constexpr int ImportFinishedId = 148;

// A notice whose caption is the program's name (the fixed failure texts and the selection hint).
void ShowWithProgramCaption(const QString& text)
{
    MessageService::Current().Show(text, QGuiApplication::applicationDisplayName(),
                                   MessageService::Buttons::Ok);
}

} // namespace

CPersonDlg::CPersonDlg(CAdoDatabase& database, const QString& appDirectory, QWidget* parent)
    : QDialog(parent), m_database(database), m_store(database), m_appDirectory(appDirectory),
      m_model(new PersonTableModel(this)), m_openDocument([](const QUrl& url) {
          DesktopOpener::Open(url.toLocalFile(),
                              tr("没有能打开模版文件的电子表格程序，请自行打开：\n%1"));
      }),
      m_chooseOpen(&WorkbookFileDialog::ChooseToOpen),
      m_chooseSave(&WorkbookFileDialog::ChooseToSave)
{
    BuildLayout();
    m_pResultDlg = new CImportResultDlg(this);
    m_pResultDlg->hide();
    OnInitDialog();
}

CPersonDlg::~CPersonDlg()
{
    // Cleared first: the end of the thread, announced meanwhile, then finds nothing to release.
    if (ExportWorker* worker = std::exchange(m_exportWorker, nullptr)) {
        worker->WaitServingEvents();
        delete worker;
    }
    if (m_importWorker) {
        // Only on the way out of the program: stop the import after its row, serving any box
        // it shows meanwhile.
        m_importWorker->Stop();
        while (!m_importWorker->wait(10)) {
            QCoreApplication::processEvents();
        }
        delete m_importWorker;
    }
}

void CPersonDlg::BuildLayout()
{
    m_ui = PersonDlgLayout::Build(*this, *m_model);
    // The check-in line goes over the list.
    auto* main = static_cast<QVBoxLayout*>(layout());
    main->insertWidget(main->indexOf(m_ui.list),
                       m_checkins = new PersonCheckinBar(m_database, *m_model, *m_ui.list, this));
    const std::pair<QPushButton*, void (CPersonDlg::*)()> handlers[] = {
        {m_ui.import, &CPersonDlg::OnImport},     {m_ui.viewTemplate, &CPersonDlg::OnViewTemplate},
        {m_ui.exportList, &CPersonDlg::OnExport}, {m_ui.add, &CPersonDlg::OnAdd},
        {m_ui.save, &CPersonDlg::OnSave},         {m_ui.modify, &CPersonDlg::OnModify},
        {m_ui.remove, &CPersonDlg::OnDelete},     {m_ui.refresh, &CPersonDlg::OnRefresh},
        {m_ui.clearAll, &CPersonDlg::OnClearAll}};
    for (const auto& [button, handler] : handlers) {
        connect(button, &QPushButton::clicked, this, handler);
    }
    connect(m_ui.id, &QLineEdit::textEdited, this, &CPersonDlg::OnChangeID);
    connect(m_ui.list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CPersonDlg::OnItemChangedList);
    connect(m_ui.find, &QLineEdit::textChanged, this, &CPersonDlg::OnFind);
}

void CPersonDlg::OnInitDialog()
{
    FillList();
    m_ui.add->setText(StringTable::Load(NewCaptionId));
}

bool CPersonDlg::IsAddMode() const
{
    return m_ui.add->text() == StringTable::Load(CancelCaptionId);
}

void CPersonDlg::accept() {}

bool CPersonDlg::CanClose()
{
    if (!m_importWorker) {
        return true;
    }
    ShowMessage(tr("正在导入人员，请等导入结束后再关闭。"));
    return false;
}

void CPersonDlg::reject()
{
    if (CanClose()) {
        QDialog::reject();
    }
}

void CPersonDlg::closeEvent(QCloseEvent* event)
{
    if (CanClose()) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}

void CPersonDlg::UpdateData(bool save)
{
    if (save) {
        m_strID = m_ui.id->text();
        m_strName = m_ui.name->text();
        m_strMemo = m_ui.memo->text();
        m_strGroup = m_ui.group->text();
        m_strCount = m_ui.count->text();
    } else {
        m_ui.id->setText(m_strID);
        m_ui.name->setText(m_strName);
        m_ui.count->setText(m_strCount);
        m_ui.memo->setText(m_strMemo);
        m_ui.group->setText(m_strGroup);
    }
}

void CPersonDlg::OnChangeID()
{
    UpdateData(true);
    if (GbkText::ByteLength(m_strID) == PersonIdValidator::MaxBytes) {
        m_ui.name->setFocus();
    }
}

void CPersonDlg::OnAdd()
{
    const bool toAddMode = !IsAddMode();
    m_ui.add->setText(StringTable::Load(toAddMode ? CancelCaptionId : NewCaptionId));
    m_ui.remove->setEnabled(!toAddMode);
    m_ui.save->setEnabled(toAddMode);
    m_ui.id->setEnabled(toAddMode);
    m_ui.modify->setEnabled(!toAddMode);
    m_ui.list->setEnabled(!toAddMode);
    m_ui.find->setEnabled(!toAddMode);
    m_ui.clearAll->setEnabled(!toAddMode);
    m_ui.refresh->setEnabled(!toAddMode);
    if (toAddMode) {
        m_ui.id->setFocus();
    }
    m_strID.clear();
    m_strName.clear();
    m_strMemo.clear();
    m_strGroup.clear();
    UpdateData(false);
}

void CPersonDlg::OnSave()
{
    UpdateData(true);
    // Blanks around the texts are cut off, as the import cuts them.
    m_strID = PersonText::Trimmed(m_strID);
    m_strName = PersonText::Trimmed(m_strName);
    m_strMemo = PersonText::Trimmed(m_strMemo);
    m_strGroup = PersonText::Trimmed(m_strGroup);
    if (GbkText::ByteLength(m_strID) > PersonIdValidator::MaxBytes) {
        ShowMessage(StringTable::Load(IdTooLongId));
        return;
    }
    if (m_strID.isEmpty()) {
        ShowMessage(StringTable::Load(IdEmptyId));
        return;
    }
    if (m_strName.isEmpty()) {
        ShowMessage(StringTable::Load(NameEmptyId));
        return;
    }
    if (!TextsStorable(m_strID)) {
        return;
    }
    if (m_store.Exists(m_strID)) {
        ShowMessage(StringTable::Load(PersonExistsId));
        return;
    }
    const PersonRow person{m_strID, m_strName, m_strMemo, m_strGroup};
    if (!m_store.Insert(person)) {
        ShowWithProgramCaption(QStringLiteral("Failed Key In"));
        return;
    }
    // The new participant stands at the end of the list until the next reload.
    m_model->AppendRow(person);
    m_strID.clear();
    m_strName.clear();
    m_strMemo.clear();
    m_strGroup.clear();
    UpdateRecordCount();
    UpdateData(false);
    m_ui.id->setFocus();
}

bool CPersonDlg::TextsStorable(const QString& id)
{
    // Typed or pasted control characters, a number of invisible characters only and broken
    // characters are refused with the reasons the import gives for its rows.
    const QString refusal = PersonTextRefusal(id, m_strName, m_strMemo, m_strGroup);
    if (refusal.isEmpty()) {
        return true;
    }
    ShowMessage(ImportReasonText(TextRefused) + u'\n' + refusal);
    return false;
}

void CPersonDlg::OnModify()
{
    UpdateData(true);
    if (m_strID.isEmpty()) {
        ShowWithProgramCaption(StringTable::Load(SelectFirstId));
        return;
    }
    m_strName = PersonText::Trimmed(m_strName);
    m_strMemo = PersonText::Trimmed(m_strMemo);
    m_strGroup = PersonText::Trimmed(m_strGroup);
    // A participant keeps a name: the draw shows it for the winner.
    if (m_strName.isEmpty()) {
        ShowMessage(StringTable::Load(NameEmptyId));
        return;
    }
    // The number is the stored one; only what the operator typed is checked.
    if (!TextsStorable(QString())) {
        return;
    }
    const PersonRow person{m_strID, m_strName, m_strMemo, m_strGroup};
    if (!Changed(m_store.UpdateStored(person), QStringLiteral("Failed Modify"),
                 tr("人员 %1 已不存在（可能已被删除），没有修改任何内容。列表已刷新。"))) {
        return;
    }
    const QModelIndexList selected = m_ui.list->selectionModel()->selectedRows();
    if (!selected.isEmpty()) {
        const int row = selected.first().row();
        if (m_model->Row(row).PersonID == m_strID) {
            m_model->SetRowTexts(row, person);
        }
    }
}

void CPersonDlg::OnDelete()
{
    UpdateData(true);
    if (m_strID.isEmpty()) {
        ShowWithProgramCaption(StringTable::Load(SelectFirstId));
        return;
    }
    const QString question = StringTable::Load(ConfirmDeleteId) + QStringLiteral("[ ") + m_strID +
                             QStringLiteral(" - ") + m_strName + QStringLiteral(" ] ? y/n");
    if (!ConfirmDestructive(question)) {
        return;
    }
    if (!Changed(m_store.DeleteStored(m_strID), QStringLiteral("Failed Delete"),
                 tr("人员 %1 已不存在（可能已被删除），没有删除任何内容。列表已刷新。"))) {
        return;
    }
    // The edits keep the deleted participant's values.
    FillList();
}

bool CPersonDlg::Changed(PersonStore::Change change, const QString& failedText,
                         const QString& missingText)
{
    if (change == PersonStore::Change::Failed) {
        ShowWithProgramCaption(failedText);
    } else if (change == PersonStore::Change::Missing) {
        FillList();
        ShowMessage(missingText.arg(m_strID));
    }
    return change == PersonStore::Change::Done;
}

void CPersonDlg::OnClearAll()
{
    // Not while an import runs: the rows it stores afterwards would refill the emptied list.
    if (m_importWorker) {
        ShowMessage(tr("正在导入人员，请等本次导入结束后再清空人员列表。"));
        return;
    }
    if (!ConfirmDestructive(StringTable::Load(ConfirmClearId))) {
        return;
    }
    // Recorded winners stay: only the participant list is emptied.
    if (!m_store.DeleteAll()) {
        ShowWithProgramCaption(QStringLiteral("failed delete"));
        return;
    }
    m_model->Clear();
    m_strID.clear();
    m_strName.clear();
    m_strMemo.clear();
    m_strGroup.clear();
    UpdateRecordCount();
    UpdateData(false);
}

void CPersonDlg::OnRefresh()
{
    FillList();
}

void CPersonDlg::OnImport()
{
    if (m_importWorker) {
        ShowMessage(tr("正在导入人员，请等本次导入结束。"));
        return;
    }
    const QString path = m_chooseOpen(this, QString());
    if (path.isEmpty()) {
        return;
    }
    m_importWorker = new ImportWorker(m_database.Target(), path, *m_pResultDlg);
    connect(m_importWorker, &ImportWorker::templateRequested, this, &CPersonDlg::OnViewTemplate);
    connect(m_importWorker, &QThread::finished, this, &CPersonDlg::OnImportFinished);
    m_importWorker->start();
}

void CPersonDlg::OnImportFinished()
{
    ImportWorker* worker = std::exchange(m_importWorker, nullptr);
    worker->wait();
    worker->Flush();
    const ParticipantImport::Outcome outcome = worker->Outcome();
    const bool rowsRead = worker->Total() > 0;
    worker->deleteLater();
    if (rowsRead) {
        FillList();
    }
    if (outcome == ParticipantImport::Outcome::Finished) {
        ShowInformation(StringTable::Load(ImportFinishedId));
    }
}

void CPersonDlg::OnExport()
{
    if (m_exportWorker) {
        return;
    }
    const QString path = m_chooseSave(this, QStringLiteral("Persons.xlsx"));
    if (path.isEmpty()) {
        return;
    }
    m_exportWorker = new ExportWorker(m_database.Target(), m_appDirectory, path,
                                      ExportWorker::Table::Participants);
    m_ui.exportList->setEnabled(false);
    connect(m_exportWorker, &ExportWorker::progress, m_ui.progress, [this](int written, int count) {
        m_ui.progress->setRange(0, count);
        m_ui.progress->setValue(written);
        m_ui.progress->show();
    });
    connect(m_exportWorker, &QThread::finished, this, [this, worker = m_exportWorker] {
        if (m_exportWorker != worker) {
            return; // released by the destructor
        }
        m_exportWorker = nullptr;
        worker->wait();
        worker->deleteLater();
        m_ui.progress->hide();
        m_ui.exportList->setEnabled(true);
    });
    m_exportWorker->start();
}

void CPersonDlg::OnViewTemplate()
{
    const QString path = WorkbookExport::TemplateFile(m_appDirectory, TemplateName);
    if (path.isEmpty()) {
        ShowMessage(StringTable::Load(TemplateMissingId));
        return;
    }
    m_openDocument(QUrl::fromLocalFile(path));
}

void CPersonDlg::OnItemChangedList()
{
    const QModelIndexList selected = m_ui.list->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return;
    }
    const PersonRow& row = m_model->Row(selected.first().row());
    m_strID = row.PersonID;
    m_strName = row.PersonName;
    m_strMemo = row.Company;
    m_strGroup = row.PersonGroup;
    UpdateData(false);
}

void CPersonDlg::OnFind(const QString& text)
{
    m_model->SetFilter(text);
}

void CPersonDlg::FillList()
{
    // The old rows go before the new ones are read: 100,000 participants are never held twice.
    m_model->Clear();
    std::optional<QList<PersonRow>> rows = m_store.All();
    if (rows) {
        m_model->SetRows(std::move(*rows));
    } else {
        m_model->Clear();
    }
    m_checkins->Reload();
    UpdateRecordCount();
}

void CPersonDlg::UpdateRecordCount()
{
    const std::optional<int> count = m_store.Count();
    if (!count) {
        return;
    }
    m_strCount = QString::number(*count);
    // Only the count: what the operator is typing into the edits stays (an import that ends
    // reloads the list while the operator may be keying in the next participant).
    m_ui.count->setText(m_strCount);
}
