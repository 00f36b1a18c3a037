// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/PersonStore.h"
#include "data/SqlStatements.h"
#include "data/VoidStore.h"
#include "data/WinnerStore.h"
#include "exchange/ImportPerson.h"
#include "exchange/ImportSink.h"
#include "exchange/ParticipantImport.h"
#include "exchange/PersonText.h"
#include "exchange/WorkbookExport.h"
#include "platform/core/StringTable.h"
#include "platform/workbook/Workbook.h"
#include "platform/workbook/Worksheet.h"
#include "support/RecordingMessageService.h"
#include "support/RefusedCommit.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString Fixtures = QStringLiteral(SORTILO_EXCHANGE_FIXTURES "/");

class RecordingSink final : public ImportSink
{
public:
    void ResetResults() override { events << QStringLiteral("reset"); }
    void SetCounts(int total, int imported, int rejected) override
    {
        counts = {total, imported, rejected};
    }
    void AddFailure(const QString& rowText, const QString& reason) override
    {
        failures << rowText + u'|' + reason;
    }
    void SheetMissing() override { events << QStringLiteral("no sheet1"); }

    QStringList events;
    QStringList failures;
    std::vector<int> counts;
};

class WorkbookExchange : public ::testing::Test
{
protected:
    explicit WorkbookExchange(TestDatabase::Driver driver = TestDatabase::Driver::Sqlite)
        : m_data(driver)
    {}
    void SetUp() override
    {
        ASSERT_TRUE(m_data.ok()) << m_data.error().toStdString();
        for (const char* name : {"template1.xlsx", "template2.xlsx"}) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(SORTILO_SOURCE_DIR "/res/templates/") + name,
                                    m_data.folder() + QLatin1String(name)));
        }
    }

    ParticipantImport::Outcome Import(const QString& path)
    {
        ParticipantImport import(m_data.db(), m_sink);
        const ParticipantImport::Outcome outcome = import.Run(path);
        m_totals = {import.Total(), import.Imported(), import.Rejected()};
        return outcome;
    }
    QStringList StoredIds()
    {
        QStringList ids;
        CAdoDatabase& db = m_data.db();
        db.OpenQuery(QLatin1String(SqlStatements::SelectAllPersons));
        for (; !db.IsEOF(); db.MoveNext()) {
            ids << db.GetFieldText(QStringLiteral("PersonID"));
        }
        return ids;
    }
    // Rows first..last of a saved workbook's sheet, cells joined by '|'.
    static QStringList Rows(const QString& path, const QString& sheetName, int first, int last,
                            int columns)
    {
        std::unique_ptr<Workbook> book = Workbook::Open(path);
        Worksheet* sheet = book->FindSheet(sheetName);
        if (!sheet) {
            return {QStringLiteral("no sheet ") + sheetName};
        }
        QStringList rows;
        for (int row = first; row <= last; ++row) {
            QStringList cells;
            for (int column = 1; column <= columns; ++column) {
                cells << sheet->CellText(row, column);
            }
            rows << cells.join(u'|');
        }
        return rows;
    }
    QString Saved(const QString& name) const { return m_data.folder() + name; }

    TestDatabase m_data;
    RecordingMessageService m_messages;
    RecordingSink m_sink;
    std::vector<int> m_totals;
};

class ImportOfEachFormat : public WorkbookExchange,
                           public ::testing::WithParamInterface<const char*>
{
};

// The import's commits, on either engine.
class ImportCommits : public WorkbookExchange,
                      public ::testing::WithParamInterface<TestDatabase::Driver>
{
protected:
    ImportCommits() : WorkbookExchange(GetParam()) {}
    void SetUp() override
    {
        SORTILO_SKIP_UNLESS_AVAILABLE(GetParam());
        WorkbookExchange::SetUp();
    }
    // A workbook of participants with these numbers, each named "名".
    QString Csv(const QString& name, const QStringList& ids)
    {
        QFile file(Saved(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("ID,NAME,MEMO\n");
        for (const QString& id : ids) {
            file.write((id + QStringLiteral(",名,\n")).toUtf8());
        }
        return file.fileName();
    }
};

INSTANTIATE_TEST_SUITE_P(Engines, ImportCommits, SORTILO_BOTH_DRIVERS);

} // namespace

TEST_P(ImportOfEachFormat, ChecksEveryRowUntilTheFirstBlankNumber)
{
    m_data.Exec(QLatin1String(SqlStatements::InsertPerson), {"EXIST1", "已有", ""});
    EXPECT_EQ(Import(Fixtures + QStringLiteral("rows/Sheet1.") + GetParam()),
              ParticipantImport::Outcome::Finished);

    // The blank-only number ends the import: P9 after it is never read.
    EXPECT_EQ(m_totals, (std::vector<int>{7, 3, 4}));
    EXPECT_EQ(m_sink.counts, m_totals);
    EXPECT_EQ(m_sink.events, QStringList{"reset"});
    EXPECT_EQ(m_sink.failures, (QStringList{"ABCDEFGHI - 九位编号 - x|" + StringTable::Load(141),
                                            "P1 -  - no name|" + StringTable::Load(143),
                                            "1001 - 重复 - dup|" + StringTable::Load(144),
                                            "EXIST1 - 已有 - exists|" + StringTable::Load(144)}));
    // A numeric 1001 is stored as its text; the first of two equal numbers stays; letter case
    // is kept; eight characters pass.
    EXPECT_EQ(StoredIds(), (QStringList{"1001", "abc1", "ABCDEFGH", "EXIST1"}));
    EXPECT_EQ(m_data.Count(QStringLiteral("select * from person where PersonName='张三' and "
                                          "Company='销售部'")),
              1);
    EXPECT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Formats, ImportOfEachFormat, ::testing::Values("xlsx", "xls", "csv"));

TEST_F(WorkbookExchange, AHeaderWithoutRowsStillReadsRowTwo)
{
    EXPECT_EQ(Import(Fixtures + QStringLiteral("header-only/SHEET1.xlsx")),
              ParticipantImport::Outcome::Finished);
    EXPECT_EQ(m_totals, (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(m_sink.failures, QStringList{" -  - |" + StringTable::Load(142)});
}

TEST_F(WorkbookExchange, WrongSheetHeaderOrFileImportsNothing)
{
    // The sink says what a missing sheet means: a question in the dialog, a path on a terminal.
    EXPECT_EQ(Import(Fixtures + QStringLiteral("other-sheet/people.xlsx")),
              ParticipantImport::Outcome::NoSheet);
    EXPECT_TRUE(m_messages.texts.isEmpty());
    EXPECT_EQ(m_sink.events, QStringList{"no sheet1"});

    m_messages.texts.clear();
    EXPECT_EQ(Import(Fixtures + QStringLiteral("bad-header/sheet1.xls")),
              ParticipantImport::Outcome::WrongHeaders);
    EXPECT_EQ(m_messages.texts, QStringList{StringTable::Load(138)});

    // Not a workbook, a truncated one, none at all: a message, no crash.
    QFile junk(Saved(QStringLiteral("junk.xlsx")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x7f'));
    junk.close();
    QFile real(Fixtures + QStringLiteral("rows/Sheet1.xlsx"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    QFile cut(Saved(QStringLiteral("cut.xlsx")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(real.read(real.size() / 2));
    cut.close();
    // An OpenDocument spreadsheet: its first entry names its kind.
    QFile ods(Saved(QStringLiteral("people.ods")));
    ASSERT_TRUE(ods.open(QIODevice::WriteOnly));
    ods.write(QByteArray("PK\x03\x04", 4) + QByteArray(26, '\0') +
              "mimetypeapplication/vnd.oasis.opendocument.spreadsheet" + QByteArray(512, 'x'));
    ods.close();
    for (const QString& path :
         {junk.fileName(), cut.fileName(), Saved("missing.xlsx"), ods.fileName()}) {
        m_messages.texts.clear();
        ParticipantImport import(m_data.db(), m_sink);
        EXPECT_EQ(import.Run(path), ParticipantImport::Outcome::Unreadable) << path.toStdString();
        EXPECT_EQ(m_messages.texts, QStringList{import.Error()});
        EXPECT_FALSE(import.Error().isEmpty());
    }
    // Files of another kind are named, with the formats that are read.
    for (const QString& path : {junk.fileName(), ods.fileName()}) {
        ParticipantImport import(m_data.db(), m_sink);
        import.Run(path);
        EXPECT_TRUE(import.Error().contains(path)) << import.Error().toStdString();
        EXPECT_TRUE(import.Error().contains(QStringLiteral(".xlsx、.xls、.csv")))
            << import.Error().toStdString();
    }
    EXPECT_TRUE(StoredIds().isEmpty());
    EXPECT_EQ(m_sink.events, QStringList{"no sheet1"});
}

TEST_F(WorkbookExchange, ImportPersonCountsTheNumberInBytes)
{
    ImportStatements statements(m_data.db());
    EXPECT_EQ(ImportPerson(statements, "甲乙丙丁戊", "n", ""), IdTooLong);
    EXPECT_EQ(ImportPerson(statements, "甲乙丙丁", "n", "O'Neil"), ImportOk);
    EXPECT_EQ(ImportPerson(statements, "", "", ""), IdEmpty);
    EXPECT_EQ(ImportReasonText(InsertFailed), StringTable::Load(145));
}

TEST_F(WorkbookExchange, ParticipantsExportInNumberOrderBelowTheHeadings)
{
    const QString path = Saved(QStringLiteral("Persons.xlsx"));
    std::vector<int> progress;
    WorkbookExport::Progress bar;
    bar.Begin = [&](int count) { progress.push_back(-count); };
    bar.Step = [&](int written) { progress.push_back(written); };
    EXPECT_EQ(WorkbookExport::ExportParticipants(m_data.db(), m_data.folder(), path, bar),
              WorkbookExport::Outcome::Saved);
    EXPECT_EQ(Rows(path, "sheet1", 1, 2, 3), (QStringList{"ID|NAME|MEMO", "||"}));
    EXPECT_EQ(progress, std::vector<int>{0});

    for (const char* id : {"B2", "A1", "C3"}) {
        m_data.Exec(QLatin1String(SqlStatements::InsertPerson), {id, "名", ""});
    }
    progress.clear();
    EXPECT_EQ(WorkbookExport::ExportParticipants(m_data.db(), m_data.folder(), path, bar),
              WorkbookExport::Outcome::Saved);
    EXPECT_EQ(Rows(path, "sheet1", 2, 5, 3), (QStringList{"A1|名|", "B2|名|", "C3|名|", "||"}));
    EXPECT_EQ(progress, (std::vector<int>{-3, 1, 2, 3}));
}

TEST_F(WorkbookExchange, WinnersExportPaddedIntoThePrizeSheet)
{
    const QString path = Saved(QStringLiteral("Prize1.xlsx"));
    EXPECT_EQ(WorkbookExport::ExportWinners(m_data.db(), m_data.folder(), path),
              WorkbookExport::Outcome::Saved);
    EXPECT_EQ(Rows(path, "Prize", 4, 4, 7), QStringList{"||||||"});
    std::unique_ptr<Workbook> empty = Workbook::Open(path);
    EXPECT_EQ(empty->FindSheet("sheet1"), nullptr);

    for (const char* id : {"P1", "P2", "P3"}) {
        m_data.Exec(QLatin1String(SqlStatements::InsertPerson), {id, "名", "部"});
    }
    const QString insert = QLatin1String(SqlStatements::InsertWinner);
    m_data.Exec(insert, {"P1", "2026-01-01 10:00:00", 2, 1, "电视", "P1", "P1"});
    m_data.Exec(insert, {"P2", "2026-01-01 09:00:00", 1, 2, "手机", "P2", "P2"});
    m_data.Exec(insert, {"P3", "2026-01-01 09:30:00", 1, 1, "手机", "P3", "P3"});
    EXPECT_EQ(WorkbookExport::ExportWinners(m_data.db(), m_data.folder(), path),
              WorkbookExport::Outcome::Saved);
    EXPECT_EQ(Rows(path, "Prize", 4, 7, 7),
              (QStringList{"     1|     1|  P3|  名| 2026-01-01 09:30:00| 手机|  部",
                           "     1|     2|  P2|  名| 2026-01-01 09:00:00| 手机|  部",
                           "     2|     1|  P1|  名| 2026-01-01 10:00:00| 电视|  部", "||||||"}));
    // The template's title rows stay.
    EXPECT_EQ(Rows(path, "Prize", 1, 3, 7),
              Rows(m_data.folder() + "template1.xlsx", "sheet1", 1, 3, 7));
}

TEST_F(WorkbookExchange, AnExistingFileIsReplacedOnlyBySuccess)
{
    const QString path = Saved(QStringLiteral("old.xlsx"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the operator's old file");
    old.close();

    // Without a template the export fails: the old file stays as it was.
    ASSERT_TRUE(QFile::remove(m_data.folder() + "template2.xlsx"));
    EXPECT_EQ(WorkbookExport::ExportParticipants(m_data.db(), m_data.folder(), path),
              WorkbookExport::Outcome::Failed);
    ASSERT_EQ(m_messages.texts.size(), 1);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the operator's old file");
    old.close();

    EXPECT_EQ(WorkbookExport::ExportWinners(m_data.db(), m_data.folder(), path),
              WorkbookExport::Outcome::Saved);
    EXPECT_EQ(Rows(path, "Prize", 4, 4, 1), QStringList{""});

    // A folder at the chosen path can never take the file.
    m_messages.texts.clear();
    m_messages.captions.clear();
    ASSERT_TRUE(QDir(m_data.folder()).mkdir("folder.xlsx"));
    EXPECT_EQ(WorkbookExport::ExportWinners(m_data.db(), m_data.folder(), Saved("folder.xlsx")),
              WorkbookExport::Outcome::CannotReplace);
    ASSERT_EQ(m_messages.texts.size(), 1);
    EXPECT_TRUE(m_messages.texts[0].startsWith(QStringLiteral("Failed ")));
    EXPECT_TRUE(m_messages.texts[0].contains(Saved("folder.xlsx")))
        << m_messages.texts[0].toStdString();
    EXPECT_EQ(m_messages.captions, QStringList{QCoreApplication::applicationName()});
}

TEST_F(WorkbookExchange, TextsThatCannotBeStoredAsTheyReadAreRefusedWithTheReason)
{
    const QByteArray longName(40000 - 100, 'x');
    QFile csv(Saved(QStringLiteral("hostile.csv")));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("ID,NAME,MEMO\n"
              "A1,张三,研发部\n"
              "\xE2\x80\x8B,名,\n" // a number of one zero-width space
              "A3,\"名\x01字\",\n" // a control character
              "A4,李\xFF四,\n"     // a stray byte in a UTF-8 file
              "A5,\"" +
              QByteArray(30000, 'x') +
              "\",\n"
              "A6,王五,\n");
    csv.close();
    EXPECT_EQ(Import(csv.fileName()), ParticipantImport::Outcome::Finished);
    EXPECT_EQ(StoredIds(), (QStringList{"A1", "A6"}));
    ASSERT_EQ(m_sink.failures.size(), 4);
    EXPECT_TRUE(m_sink.failures[0].endsWith(u"看不见的字符")) << m_sink.failures[0].toStdString();
    EXPECT_TRUE(m_sink.failures[1].contains(u"NAME：含有控制字符"))
        << m_sink.failures[1].toStdString();
    EXPECT_TRUE(m_sink.failures[2].contains(u"无法识别")) << m_sink.failures[2].toStdString();
    // A refused row keeps only an excerpt of its text.
    EXPECT_TRUE(m_sink.failures[3].contains(QString::number(PersonText::MaxNameChars)));
    EXPECT_LT(m_sink.failures[3].size(), 3 * PersonText::MaxExcerptChars);
}

TEST_F(WorkbookExchange, NoStoredTextStopsAnExport)
{
    const QString huge = QStringLiteral("  ") + QString(32767, u'名');
    m_data.Exec(QLatin1String(SqlStatements::InsertPerson), {"P1", huge, huge});
    m_data.Exec(QLatin1String(SqlStatements::InsertWinner),
                {"P1", "2026-01-01 10:00:00", 1, 1, huge, "P1", "P1"});
    const QString winners = Saved(QStringLiteral("Prize1.xlsx"));
    ASSERT_EQ(WorkbookExport::ExportWinners(m_data.db(), m_data.folder(), winners),
              WorkbookExport::Outcome::Saved);
    const QString name = Rows(winners, "Prize", 4, 4, 4).value(0).section(u'|', 3);
    EXPECT_TRUE(name.startsWith(u"    名"));
    EXPECT_LE(name.size(), PersonText::MaxNameChars + 3);
    EXPECT_EQ(WorkbookExport::ExportParticipants(m_data.db(), m_data.folder(), Saved("P.xlsx")),
              WorkbookExport::Outcome::Saved);
}

TEST_F(WorkbookExchange, AThousandChineseNamesSurviveExportAndImport)
{
    QStringList expected;
    {
        CAdoDatabase& db = m_data.db();
        db.BeginTransaction();
        for (int i = 0; i < 1000; ++i) {
            const QString id = QStringLiteral("R%1").arg(i, 4, 10, QLatin1Char('0'));
            const QString name = QStringLiteral("张伟%1号").arg(i);
            const QString remark = i % 3 ? QStringLiteral("研发部·第%1组").arg(i % 7) : QString();
            db.OpenQuery(QLatin1String(SqlStatements::InsertPerson), {id, name, remark});
            expected << id + u'|' + name + u'|' + remark;
        }
        db.CommitTransaction();
    }
    // The check-in time goes after the columns the import reads (the group the last of them),
    // and the import ignores it.
    m_data.Exec("insert into Checkin(PersonID,CheckedIn,CheckinTime,Station,Seq) "
                "values('r0001',1,'2027-01-20 18:00:00','door',1)");
    const QString path = Saved(QStringLiteral("Persons.xlsx"));
    ASSERT_EQ(WorkbookExport::ExportParticipants(m_data.db(), m_data.folder(), path),
              WorkbookExport::Outcome::Saved);
    const QStringList head = Rows(path, "sheet1", 1, 3, 5);
    EXPECT_EQ(head.value(0), QStringLiteral("ID|NAME|MEMO|GROUP|CHECKIN"));
    EXPECT_TRUE(head.value(1).endsWith(u'|')) << head.value(1).toStdString();
    EXPECT_TRUE(head.value(2).endsWith(u"|2027-01-20 18:00:00")) << head.value(2).toStdString();
    m_data.Exec(QLatin1String(SqlStatements::DeleteAllPersons));

    EXPECT_EQ(Import(path), ParticipantImport::Outcome::Finished);
    EXPECT_EQ(m_totals, (std::vector<int>{1000, 1000, 0}));
    QStringList stored;
    CAdoDatabase& db = m_data.db();
    db.OpenQuery(QLatin1String(SqlStatements::SelectAllPersons));
    for (; !db.IsEOF(); db.MoveNext()) {
        stored << db.GetFieldText("PersonID") + u'|' + db.GetFieldText("PersonName") + u'|' +
                      db.GetFieldText("Company");
    }
    EXPECT_EQ(stored, expected);
}

TEST_P(ImportCommits, OnlyCommittedRowsCountAndARefusedCommitEndsTheImport)
{
    RefuseCommitOf(m_data, QStringLiteral("LOST1"));
    const QString lost = QStringLiteral("LOST1 - 名 - |") + ParticipantImport::UnsavedReasonText();

    // A batch is refused in the middle of the file: the import stops there, and only the
    // batches committed before it count as imported.
    QStringList ids;
    for (int i = 0; i < 5000; ++i) {
        ids << (i == 2500 ? QStringLiteral("LOST1") : QStringLiteral("N%1").arg(i));
    }
    EXPECT_EQ(Import(Csv(QStringLiteral("many.csv"), ids)),
              ParticipantImport::Outcome::CommitFailed);
    const int kept = m_totals[1];
    EXPECT_EQ(StoredIds().size(), kept);
    EXPECT_LE(kept, 2500);
    EXPECT_LT(m_totals[0], 5000) << "the rows after the refused batch are not read";
    EXPECT_EQ(m_totals[0], kept + m_totals[2]) << "every row read is kept or a failure";
    EXPECT_EQ(m_sink.counts, m_totals);
    EXPECT_TRUE(m_sink.failures.contains(lost));
    ASSERT_EQ(m_messages.texts.size(), 2);
    EXPECT_TRUE(m_messages.texts[0].startsWith(QStringLiteral("Error: "))) << "the layer's box";
    EXPECT_TRUE(m_messages.texts[1].contains(QStringLiteral("本次实际保存了 %1 笔").arg(kept)))
        << m_messages.texts[1].toStdString();
    EXPECT_TRUE(m_messages.texts[1].contains(QStringLiteral("其后的行没有读取")));

    // The last batch is refused at the end of the file.
    m_messages.texts.clear();
    EXPECT_EQ(
        Import(Csv(QStringLiteral("last.csv"), {QStringLiteral("M1"), QStringLiteral("LOST1")})),
        ParticipantImport::Outcome::CommitFailed);
    EXPECT_EQ(m_totals[0], 2);
    EXPECT_EQ(m_totals[1] + m_totals[2], 2);
    EXPECT_EQ(StoredIds().size(), kept + m_totals[1]);
    EXPECT_EQ(m_sink.failures.last(), lost);
    ASSERT_EQ(m_messages.texts.size(), 2);
    EXPECT_TRUE(
        m_messages.texts[1].contains(QStringLiteral("本次实际保存了 %1 笔").arg(m_totals[1])));
    EXPECT_FALSE(m_messages.texts[1].contains(QStringLiteral("其后的行没有读取")));
}

TEST_F(WorkbookExchange, TheGroupColumnIsImportedExportedAndReadBack)
{
    const auto groups = [this] {
        QStringList stored;
        const QList<PersonRow> people = PersonStore(m_data.db()).All().value();
        for (const PersonRow& person : people) {
            stored << person.PersonID + u'=' + person.PersonGroup;
        }
        return stored;
    };
    const QStringList expected{"G1=销售部", "G2=", "G3=研发部"};
    EXPECT_EQ(Import(Fixtures + QStringLiteral("groups/sheet1.csv")),
              ParticipantImport::Outcome::Finished);
    EXPECT_EQ(m_totals, (std::vector<int>{3, 3, 0}));
    EXPECT_EQ(groups(), expected);

    const QString path = Saved(QStringLiteral("Persons.xlsx"));
    EXPECT_EQ(WorkbookExport::ExportParticipants(m_data.db(), m_data.folder(), path, {}),
              WorkbookExport::Outcome::Saved);
    EXPECT_EQ(Rows(path, "sheet1", 1, 4, 4),
              (QStringList{"ID|NAME|MEMO|GROUP", "G1|甲||销售部", "G2|乙|x|", "G3|丙||研发部"}));
    // The export reads back as it was written.
    ASSERT_TRUE(PersonStore(m_data.db()).DeleteAll());
    EXPECT_EQ(Import(path), ParticipantImport::Outcome::Finished);
    EXPECT_EQ(groups(), expected);

    // A win keeps the group it was won under; the winners export lists it last.
    ASSERT_TRUE(WinnerStore(m_data.db()).InsertWinner({"G1", "2026-01-01 10:00:00", 1, 1, "电视"}));
    ASSERT_TRUE(PersonStore(m_data.db()).Update({"G1", "甲", "", "研发部"}));
    const QString winners = Saved(QStringLiteral("Prize1.xlsx"));
    EXPECT_EQ(WorkbookExport::ExportWinners(m_data.db(), m_data.folder(), winners),
              WorkbookExport::Outcome::Saved);
    EXPECT_EQ(Rows(winners, "Prize", 3, 4, 8).value(1).section(u'|', 7),
              QStringLiteral("  销售部"));
    EXPECT_FALSE(Rows(winners, "Prize", 3, 3, 8).value(0).section(u'|', 7).isEmpty());
}

TEST_F(WorkbookExchange, VoidedWinsGoIntoASheetOfTheirOwn)
{
    PersonStore persons(m_data.db());
    for (const char* id : {"V1", "V2", "V3"}) {
        ASSERT_TRUE(persons.Insert({id, QStringLiteral("名") + id, "部", "组"}));
    }
    WinnerStore winners(m_data.db());
    VoidStore voids(m_data.db(), QStringLiteral("desk"));
    ASSERT_TRUE(winners.InsertWinner({"V1", "2026-01-01 10:00:00", 2, 1, "电视"}));
    ASSERT_TRUE(winners.InsertWinner({"V2", "2026-01-01 10:00:00", 2, 2, "电视"}));
    const QString path = Saved(QStringLiteral("Prize1.xlsx"));
    ASSERT_EQ(WorkbookExport::ExportWinners(m_data.db(), m_data.folder(), path),
              WorkbookExport::Outcome::Saved);
    EXPECT_EQ(Workbook::Open(path)->SheetCount(), 1) << "no voids, no second sheet";

    ASSERT_TRUE(voids.Void("V2", "不在场", "2026-01-01 10:05:00"));
    ASSERT_TRUE(winners.InsertWinner(
        {"V3", "2026-01-01 10:10:00", 2, 2, "电视", voids.Records()->first().VoidID}));
    ASSERT_EQ(WorkbookExport::ExportWinners(m_data.db(), m_data.folder(), path),
              WorkbookExport::Outcome::Saved);
    EXPECT_EQ(Rows(path, "Prize", 4, 6, 3),
              (QStringList{"     2|     1|  V1", "     2|     2|  V3", "||"}));
    EXPECT_EQ(
        Rows(path, "作废", 1, 3, 11),
        (QStringList{"编号|姓名|备注|分组|奖项等级|名次|奖品|中奖时间|作废时间|原因|替补编号",
                     "V2|名V2|部|组|2|2|电视|2026-01-01 10:00:00|2026-01-01 10:05:00|不在场|V3",
                     "||||||||||"}));
    // The template's own parts stay: its title rows are there as before.
    EXPECT_EQ(Rows(path, "Prize", 1, 3, 7),
              Rows(m_data.folder() + "template1.xlsx", "sheet1", 1, 3, 7));
}
