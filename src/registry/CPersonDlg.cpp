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
#include "registry/PersonIdValidator.h"
#include "registry/PersonTableModel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
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

// Widths of the list's columns in pixels: number, name, remark, check-in.
constexpr int kColumnWidths[] = {100, 100, 185, 140};

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
    setWindowTitle(tr("录入抽奖人员信息"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    const auto button = [this](const QString& text, void (CPersonDlg::*handler)()) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };

    m_ui.id = new QLineEdit(this);
    m_ui.id->setValidator(new PersonIdValidator(m_ui.id));
    m_ui.id->setEnabled(false);
    m_ui.name = new QLineEdit(this);
    m_ui.name->setMaxLength(PersonText::MaxNameChars);
    m_ui.memo = new QLineEdit(this);
    m_ui.memo->setMaxLength(PersonText::MaxRemarkChars);
    m_ui.note = new QLabel(
        tr("注：抽奖程序将从本人员列表中随机抽出幸运人员,每人仅有中奖一次的机会。"), this);
    m_ui.note->setWordWrap(true);
    m_ui.note->setEnabled(false);
    m_ui.import = button(tr("从Excel导入"), &CPersonDlg::OnImport);
    m_ui.viewTemplate = button(tr("查看Excel模版"), &CPersonDlg::OnViewTemplate);
    m_ui.exportList = button(tr("导出至Excel"), &CPersonDlg::OnExport);

    m_ui.add = button(tr("新增(&I)"), &CPersonDlg::OnAdd);
    m_ui.save = button(tr("保存(&S)"), &CPersonDlg::OnSave);
    m_ui.save->setEnabled(false);
    m_ui.save->setDefault(true);
    m_ui.modify = button(tr("修改(&M)"), &CPersonDlg::OnModify);
    m_ui.remove = button(tr("删除(&D)"), &CPersonDlg::OnDelete);
    m_ui.refresh = button(tr("刷新(R)"), &CPersonDlg::OnRefresh);
    m_ui.clearAll = button(tr("清除全部"), &CPersonDlg::OnClearAll);
    m_ui.count = new QLabel(this);
    m_ui.count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_ui.count->setMinimumWidth(80);

    m_ui.find = new QLineEdit(this);
    m_ui.find->setPlaceholderText(tr("输入编号或姓名查找"));
    m_ui.find->setClearButtonEnabled(true);

    m_ui.list = new QTableView(this);
    m_ui.list->setModel(m_model);
    m_ui.list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ui.list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ui.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui.list->setShowGrid(true);
    m_ui.list->setWordWrap(false);
    m_ui.list->setAlternatingRowColors(false);
    // Every row has the same height: the view then never measures rows, whatever their number.
    QHeaderView* rows = m_ui.list->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_ui.list->fontMetrics().height() + 6);
    QHeaderView* columns = m_ui.list->horizontalHeader();
    columns->setSectionsMovable(true);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    for (int column = 0; column < PersonTableModel::ColumnCount; ++column) {
        columns->resizeSection(column, kColumnWidths[column]);
    }
    columns->setStretchLastSection(true);

    m_ui.progress = new QProgressBar(this);
    m_ui.progress->hide();

    // Top: the three edits, the note, and the workbook buttons on the right.
    auto* top = new QGridLayout;
    top->addWidget(new QLabel(tr("编号："), this), 0, 0);
    top->addWidget(m_ui.id, 0, 1);
    top->addWidget(new QLabel(tr("姓名："), this), 1, 0);
    top->addWidget(m_ui.name, 1, 1);
    top->addWidget(new QLabel(tr("备注："), this), 2, 0);
    top->addWidget(m_ui.memo, 2, 1, 1, 2);
    top->addWidget(m_ui.note, 0, 2, 2, 1);
    auto* workbook = new QVBoxLayout;
    workbook->addWidget(m_ui.import);
    workbook->addWidget(m_ui.viewTemplate);
    workbook->addWidget(m_ui.exportList);
    top->addLayout(workbook, 0, 3, 3, 1, Qt::AlignTop);
    top->setColumnStretch(1, 2);
    top->setColumnStretch(2, 3);
    m_ui.id->setMinimumWidth(110);
    m_ui.name->setMinimumWidth(110);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {m_ui.add, m_ui.save, m_ui.modify, m_ui.remove, m_ui.refresh, m_ui.clearAll}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(new QLabel(tr("记录总数:"), this));
    buttons->addWidget(m_ui.count);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* find = new QHBoxLayout;
    auto* findLabel = new QLabel(tr("查找(&F)："), this);
    findLabel->setBuddy(m_ui.find);
    find->addWidget(findLabel);
    find->addWidget(m_ui.find, 1);

    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addLayout(buttons);
    main->addWidget(line);
    main->addLayout(find);
    main->addWidget(m_checkins = new PersonCheckinBar(m_database, *m_model, *m_ui.list, this));
    main->addWidget(m_ui.list, 1);
    main->addWidget(m_ui.progress);

    connect(m_ui.id, &QLineEdit::textEdited, this, &CPersonDlg::OnChangeID);
    connect(m_ui.list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CPersonDlg::OnItemChangedList);
    connect(m_ui.find, &QLineEdit::textChanged, this, &CPersonDlg::OnFind);

    resize(640, 480);
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
        m_strCount = m_ui.count->text();
    } else {
        m_ui.id->setText(m_strID);
        m_ui.name->setText(m_strName);
        m_ui.count->setText(m_strCount);
        m_ui.memo->setText(m_strMemo);
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
    UpdateData(false);
}

void CPersonDlg::OnSave()
{
    UpdateData(true);
    // Blanks around the texts are cut off, as the import cuts them.
    m_strID = PersonText::Trimmed(m_strID);
    m_strName = PersonText::Trimmed(m_strName);
    m_strMemo = PersonText::Trimmed(m_strMemo);
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
    const PersonRow person{m_strID, m_strName, m_strMemo};
    if (!m_store.Insert(person)) {
        ShowWithProgramCaption(QStringLiteral("Failed Key In"));
        return;
    }
    // The new participant stands at the end of the list until the next reload.
    m_model->AppendRow(person);
    m_strID.clear();
    m_strName.clear();
    m_strMemo.clear();
    UpdateRecordCount();
    UpdateData(false);
    m_ui.id->setFocus();
}

bool CPersonDlg::TextsStorable(const QString& id)
{
    // Typed or pasted control characters, a number of invisible characters only and broken
    // characters are refused with the reasons the import gives for its rows.
    const QString refusal = PersonTextRefusal(id, m_strName, m_strMemo);
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
    // A participant keeps a name: the draw shows it for the winner.
    if (m_strName.isEmpty()) {
        ShowMessage(StringTable::Load(NameEmptyId));
        return;
    }
    // The number is the stored one; only what the operator typed is checked.
    if (!TextsStorable(QString())) {
        return;
    }
    if (!Changed(m_store.UpdateStored({m_strID, m_strName, m_strMemo}),
                 QStringLiteral("Failed Modify"),
                 tr("人员 %1 已不存在（可能已被删除），没有修改任何内容。列表已刷新。"))) {
        return;
    }
    const QModelIndexList selected = m_ui.list->selectionModel()->selectedRows();
    if (!selected.isEmpty()) {
        const int row = selected.first().row();
        if (m_model->Row(row).PersonID == m_strID) {
            m_model->SetRowTexts(row, m_strName, m_strMemo);
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
