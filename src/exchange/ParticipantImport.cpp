// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/ParticipantImport.h"

#include "data/CAdoDatabase.h"
#include "data/DatabaseTransaction.h"
#include "data/DrawLog.h"
#include "exchange/ImportPerson.h"
#include "exchange/ImportSink.h"
#include "exchange/PersonText.h"
#include "exchange/excel/CExcelApplication.h"
#include "exchange/excel/CExcelDispatchException.h"
#include "platform/core/MessageService.h"
#include "platform/core/StringTable.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QVariant>

namespace {

constexpr int WrongHeadersId = 138;

// A cell as text: an empty cell gives "", a number its plain form (1001), blanks around cut off.
QString CellText(const CExcelRange& cells, int row, int column)
{
    return PersonText::Trimmed(cells.GetItem(QVariant(row), QVariant(column)).toString());
}

} // namespace

ParticipantImport::ParticipantImport(CAdoDatabase& database, ImportSink& sink)
    : m_database(database), m_sink(sink)
{}

ParticipantImport::Outcome ParticipantImport::Run(const QString& path)
{
    m_total = m_imported = m_rejected = m_unsaved = 0;
    m_readToEnd = false;
    m_pending.clear();
    m_error.clear();
    const Outcome outcome = Import(path);
    if (m_unsaved > 0) {
        ShowMessage(UnsavedText());
    }
    if (m_total > 0) {
        LogImport(path, outcome);
    }
    return outcome;
}

void ParticipantImport::LogImport(const QString& path, Outcome outcome)
{
    // The rows are committed in batches; the entry follows the last of them, with the counts
    // that were kept and the digest of the file they came from.
    QFile file(path);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    const QString sha256 = file.open(QIODevice::ReadOnly) && digest.addData(&file)
                               ? QString::fromLatin1(digest.result().toHex())
                               : QString();
    const QJsonObject payload{{QStringLiteral("file"), QFileInfo(path).fileName()},
                              {QStringLiteral("sha256"), sha256},
                              {QStringLiteral("rows"), m_total},
                              {QStringLiteral("imported"), m_imported},
                              {QStringLiteral("rejected"), m_rejected},
                              {QStringLiteral("outcome"),
                               outcome == Outcome::Finished       ? QStringLiteral("finished")
                               : outcome == Outcome::CommitFailed ? QStringLiteral("unsaved")
                                                                  : QStringLiteral("stopped")}};
    DatabaseTransaction transaction(m_database);
    DrawLog log(m_database);
    if (transaction.IsActive() && log.Append(QLatin1String(DrawLog::Import), payload) &&
        transaction.Commit()) {
        return;
    }
    ShowMessage(QCoreApplication::translate("ParticipantImport",
                                            "导入的人员已保存，但抽奖日志未能记下这次导入。"),
                log.Error().isEmpty() ? m_database.LastError() : log.Error());
}

QString ParticipantImport::UnsavedReasonText()
{
    return QCoreApplication::translate("ParticipantImport", "数据库未能保存");
}

QString ParticipantImport::UnsavedText() const
{
    const QString lost =
        m_readToEnd
            ? QCoreApplication::translate(
                  "ParticipantImport",
                  "导入未完成：数据库未能保存最后读入的 %1 笔人员，这些人员已列入失败明细。")
            : QCoreApplication::translate("ParticipantImport",
                                          "导入已中止：数据库未能保存最后读入的 %1 笔人员，"
                                          "这些人员已列入失败明细，其后的行没有读取。");
    return lost.arg(m_unsaved) +
           QCoreApplication::translate("ParticipantImport", "本次实际保存了 %1 笔。")
               .arg(m_imported);
}

ParticipantImport::Outcome ParticipantImport::Import(const QString& path)
{
    CExcelApplication app;
    if (!app.CreateDispatch(QStringLiteral("Excel.Application"))) {
        ShowMessage(QStringLiteral("FAILED TO CONNECT Excel Server"));
        return Outcome::NoServer;
    }
    CExcelWorkbooks books;
    CExcelWorkbook book;
    CExcelWorksheets sheets;
    try {
        app.SetVisible(false);
        books = app.GetWorkbooks();
        book = books.Add(QVariant(path));
        sheets = book.GetWorksheets();
    } catch (const CExcelDispatchException& error) {
        m_error = error.Description();
        ShowMessage(m_error);
        return Outcome::Unreadable;
    }

    CExcelWorksheet sheet;
    try {
        sheet = sheets.GetItem(QVariant(QStringLiteral("sheet1")));
    } catch (const CExcelDispatchException&) {
        m_sink.SheetMissing();
        return Outcome::NoSheet;
    }

    try {
        CExcelRange cells = sheet.GetCells();
        if (CellText(cells, 1, 1).toUpper() != u"ID" ||
            CellText(cells, 1, 2).toUpper() != u"NAME" ||
            CellText(cells, 1, 3).toUpper() != u"MEMO") {
            ShowMessage(StringTable::Load(WrongHeadersId));
            return Outcome::WrongHeaders;
        }
        // The group column is optional: a sheet without it imports without groups.
        m_groupColumn = CellText(cells, 1, 4).toUpper() == u"GROUP";
        return ReadRows(cells);
    } catch (const CExcelDispatchException& error) {
        m_error = error.Description();
        ShowMessage(m_error);
        return Outcome::Unreadable;
    }
}

bool ParticipantImport::CommitRows(bool again)
{
    // Without a transaction (none could be begun) every insert was already its own commit.
    bool committed = true;
    if (m_database.InTransaction()) {
        committed = m_database.CommitTransaction();
        if (!committed) {
            m_database.RollbackTransaction();
        }
    }
    if (committed) {
        m_imported += int(m_pending.size());
    } else {
        const QString reason = UnsavedReasonText();
        for (const QString& rowText : std::as_const(m_pending)) {
            m_sink.AddFailure(rowText, reason);
        }
        m_rejected += int(m_pending.size());
        m_unsaved += int(m_pending.size());
    }
    m_pending.clear();
    m_sink.SetCounts(m_total, m_imported, m_rejected);
    if (committed && again) {
        m_database.BeginTransaction();
    }
    return committed;
}

ParticipantImport::Outcome ParticipantImport::ReadRows(CExcelRange& cells)
{
    m_sink.ResetResults();
    ImportStatements statements(m_database);
    const QString separator = QStringLiteral(" - ");
    QElapsedTimer batchAge;
    batchAge.start();
    m_database.BeginTransaction();

    Outcome outcome = Outcome::Finished;
    try {
        int row = 2;
        qint64 textChars = 0;
        QString id = CellText(cells, row, 1);
        for (;;) {
            const QString name = CellText(cells, row, 2);
            const QString remark = CellText(cells, row, 3);
            const QString group = m_groupColumn ? CellText(cells, row, 4) : QString();
            textChars += id.size() + name.size() + remark.size() + group.size();
            if (textChars > PersonText::MaxImportChars) {
                // One long text repeated in every row (a shared string) would otherwise be
                // checked row after row; the rows before stay.
                ShowMessage(QCoreApplication::translate(
                                "ParticipantImport",
                                "导入已停止：读到第 %1 行时，文件中的文字已超过 %2 个字符，"
                                "远超人员名单所需；之前读入的行已保存。")
                                .arg(row)
                                .arg(PersonText::MaxImportChars));
                outcome = Outcome::Stopped;
                break;
            }
            QString reason;
            const ImportResult result = ImportPerson(statements, id, name, remark, &reason, group);
            // A refused row keeps only an excerpt: one long text repeated in every row must
            // not be kept once a row.
            const auto rowText = [&] {
                QString text = PersonText::Excerpt(id) + separator + PersonText::Excerpt(name) +
                               separator + PersonText::Excerpt(remark);
                return group.isEmpty() ? text : text + separator + PersonText::Excerpt(group);
            };
            ++m_total;
            if (result != ImportOk) {
                m_sink.AddFailure(rowText(), reason.isEmpty() ? ImportReasonText(result) : reason);
                ++m_rejected;
            } else if (m_database.InTransaction()) {
                m_pending.append(rowText());
            } else {
                ++m_imported;
            }
            m_sink.SetCounts(m_total, m_imported, m_rejected);

            if (m_stop) {
                outcome = Outcome::Stopped;
                break;
            }
            ++row;
            id = CellText(cells, row, 1);
            if (id.isEmpty()) {
                m_readToEnd = true;
                break;
            }
            if (m_pending.size() >= BatchRows || batchAge.hasExpired(BatchMilliseconds)) {
                if (!CommitRows(true)) {
                    return Outcome::CommitFailed;
                }
                batchAge.restart();
            }
        }
    } catch (const CExcelDispatchException&) {
        // A cell that cannot be read ends the import; the rows before it are kept.
        CommitRows(false);
        throw;
    }
    return CommitRows(false) ? outcome : Outcome::CommitFailed;
}
