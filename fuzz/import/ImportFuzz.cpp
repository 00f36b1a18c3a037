// SPDX-License-Identifier: GPL-3.0-or-later
// The whole participant import: the file's bytes through the workbook readers (.xlsx by its zip
// signature, anything else as .csv text) and the spreadsheet wrappers into the rows stored in a
// scratch SQLite database, which is emptied again after every input. What is stored must be
// what the checks allow, and the counts must add up.
#include "data/CAdoDatabase.h"
#include "data/DatabaseCreator.h"
#include "support/FuzzSupport.h"
#include "platform/core/GbkText.h"
#include "exchange/ImportSink.h"
#include "platform/core/MessageService.h"
#include "exchange/ParticipantImport.h"
#include "exchange/PersonText.h"

#include <QFile>

namespace {

// Boxes are counted, questions (open the template?) answered No.
class SilentMessages final : public MessageService
{
public:
    Answer Show(const QString&, const QString&, Buttons) override { return Answer::No; }
};

class CountingSink final : public ImportSink
{
public:
    void ResetResults() override { failures = 0; }
    void SetCounts(int, int, int) override {}
    void AddFailure(const QString& rowText, const QString& reason) override
    {
        // A refused row keeps an excerpt of each of its three texts, never the texts (a stand-in
        // "<U+200B>" takes up to eight characters).
        FUZZ_CHECK(rowText.size() <= 3 * (8 * PersonText::MaxExcerptChars + 1) + 6);
        FUZZ_CHECK(!reason.isEmpty());
        ++failures;
    }
    void SheetMissing() override {}

    int failures = 0;
};

CAdoDatabase& Database()
{
    static CAdoDatabase* database = [] {
        const QString path = FuzzSupport::WriteScratchFile(QByteArray(), QStringLiteral(".db"));
        QFile::remove(path);
        QString error;
        if (!DatabaseCreator::CreateSqlite(path, {QLatin1String(DatabaseCreator::SchemaResource)},
                                           &error)) {
            FuzzSupport::Fail("cannot create the scratch database");
        }
        auto* db = new CAdoDatabase;
        if (!db->ConnectDatabase(DatabaseTarget::SqliteFile(path))) {
            FuzzSupport::Fail("cannot open the scratch database");
        }
        db->SetDurability(CAdoDatabase::Durability::Bulk);
        return db;
    }();
    return *database;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    // An .xls goes to the reader program, fuzzed on its own (targets xls and xls_stream).
    if (bytes.startsWith(QByteArray("\xD0\xCF\x11\xE0", 4))) {
        return 0;
    }
    static SilentMessages messages;
    MessageService::Install(&messages);
    CAdoDatabase& database = Database();
    FUZZ_CHECK(database.OpenQuery(QStringLiteral("delete from person")));

    const QString path = FuzzSupport::WriteScratchFile(bytes, QStringLiteral(".csv"));
    CountingSink sink;
    ParticipantImport import(database, sink);
    const ParticipantImport::Outcome outcome = import.Run(path);
    FUZZ_CHECK(outcome != ParticipantImport::Outcome::CommitFailed);
    FUZZ_CHECK(import.Imported() + import.Rejected() == import.Total());
    FUZZ_CHECK(sink.failures == import.Rejected());

    // Every stored row passed the checks, and there are as many as the import counted.
    int stored = 0;
    FUZZ_CHECK(database.ReadRows(
        QStringLiteral("select PersonID, PersonName, Company from person"), 3,
        [&](const QString* values) {
            // Numbers are bounded in GBK bytes (8), so never more than 8 characters.
            FUZZ_CHECK(GbkText::ByteLength(values[0]) <= 8);
            FUZZ_CHECK(PersonText::Check(values[0], true, 8) == PersonText::Problem::None);
            FUZZ_CHECK(!values[0].isEmpty() && !values[1].isEmpty());
            FUZZ_CHECK(PersonText::Check(values[1], false, PersonText::MaxNameChars) ==
                       PersonText::Problem::None);
            FUZZ_CHECK(PersonText::Check(values[2], false, PersonText::MaxRemarkChars) ==
                       PersonText::Problem::None);
            ++stored;
        }));
    FUZZ_CHECK(stored == import.Imported());
    MessageService::Install(nullptr);
    return 0;
}
