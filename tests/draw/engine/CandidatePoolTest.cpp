// SPDX-License-Identifier: GPL-3.0-or-later
// The kept candidate pool against a fresh read of the database, after changes made through the
// pool's connection and at another station, on both engines; and the winner's row it carries.
#include "draw/engine/CandidatePool.h"
#include "draw/engine/DrawEngineFixture.h"

#include <QCryptographicHash>
#include <QSet>

#include <random>

namespace {

// The entries as "ID/name/remark", for readable comparisons.
QStringList Rows(const QList<PersonRow>& entries)
{
    QStringList rows;
    for (const PersonRow& row : entries) {
        rows << row.PersonID + u'/' + row.PersonName + u'/' + row.Company;
    }
    return rows;
}

} // namespace

using CandidatePoolTest = DrawEngineDriverTest;

INSTANTIATE_TEST_SUITE_P(Engines, CandidatePoolTest, SORTILO_BOTH_DRIVERS);

TEST_P(CandidatePoolTest, AKeptPoolEqualsAFreshReadAfterAnyMixOfChanges)
{
    AddPeople(12);
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(m_data.target()));
    CandidatePool pool(db());
    ASSERT_TRUE(pool.Update());

    QStringList stored; // participant numbers as stored
    for (int i = 1; i <= 12; ++i) {
        stored << QStringLiteral("P%1").arg(i);
    }
    QStringList won;            // every winner, as won
    QSet<QString> wonElsewhere; // winners the other station stored (keys)
    std::mt19937 random(20240101);
    const auto any = [&random](const QStringList& ids) {
        return ids.at(static_cast<qsizetype>(random() % ids.size()));
    };
    for (int step = 0; step < 80; ++step) {
        const bool elsewhere = random() % 3 == 0;
        CAdoDatabase& connection = elsewhere ? other : db();
        PersonStore persons(connection);
        const ChangeStamp before = db().ChangeToken();
        const QString name = QStringLiteral("名%1").arg(step);
        QStringList eligible = stored;
        eligible.removeIf(
            [&won](const QString& id) { return won.contains(id, Qt::CaseInsensitive); });
        switch (step == 50 ? 5 : random() % 5) {
        case 0: {
            // A new participant, or a removed winner entered again under another case.
            QStringList gone = won;
            gone.removeIf(
                [&stored](const QString& id) { return stored.contains(id, Qt::CaseInsensitive); });
            const QString id = !gone.isEmpty() && random() % 2 ? any(gone).toLower()
                                                               : QStringLiteral("N%1").arg(step);
            ASSERT_TRUE(persons.Insert({id, name, QString()}));
            stored << id;
            break;
        }
        case 1: {
            if (stored.isEmpty()) {
                continue;
            }
            const QString id = any(stored);
            ASSERT_TRUE(persons.Delete(id));
            stored.removeOne(id);
            break;
        }
        case 2:
            if (stored.isEmpty()) {
                continue;
            }
            ASSERT_TRUE(persons.Update({any(stored).toLower(), name, QStringLiteral("部门")}));
            break;
        case 3:
        case 4: {
            if (eligible.isEmpty()) {
                continue;
            }
            const QString id = any(eligible);
            ASSERT_TRUE(WinnerStore(connection).InsertWinner({id, QString(), 1, 1, name}));
            won << id;
            if (elsewhere) {
                wonElsewhere.insert(PersonRow::IdKey(id));
            }
            break;
        }
        case 5:
            ASSERT_TRUE(persons.DeleteAll());
            stored.clear();
            break;
        }
        if (elsewhere) {
            AwaitOtherChange(before);
        }
        pool.Update();
        // The pool may keep what the other station won, until a pick meets it.
        QList<PersonRow> kept = pool.Entries();
        kept.removeIf([&wonElsewhere](const PersonRow& row) {
            return wonElsewhere.contains(PersonRow::IdKey(row.PersonID));
        });
        QStringList keptRows = Rows(kept);
        QStringList freshRows = Rows(WinnerStore(db()).CandidatePool().value());
        if (GetParam() == TestDatabase::Driver::PostgreSql) {
            // PostgreSQL returns the rows of a plain read in no fixed order (a changed row
            // moves to the end), so only the rows are compared there.
            keptRows.sort();
            freshRows.sort();
        }
        ASSERT_EQ(keptRows, freshRows) << "step " << step;
        // The digest kept up to date change by change is the digest of what the pool holds.
        PoolDigest digest;
        for (const PersonRow& row : pool.Entries()) {
            digest.Add(row.PersonID.toLower());
        }
        ASSERT_EQ(pool.Digest(), digest.Hex()) << "step " << step;
    }
}

TEST_P(CandidatePoolTest, AWinElsewhereDropsTheEntryWhenConfirmed)
{
    AddPeople(3);
    CandidatePool pool(db());
    ASSERT_TRUE(pool.Update());
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(m_data.target()));
    const ChangeStamp before = db().ChangeToken();
    const QString winner = pool.At(1).PersonID;
    ASSERT_TRUE(WinnerStore(other).InsertWinner({winner, QString(), 1, 1, QString()}));
    AwaitOtherChange(before);

    EXPECT_TRUE(pool.ConfirmAt(0));
    EXPECT_FALSE(pool.ConfirmAt(1));
    ASSERT_EQ(pool.Size(), 2);
    EXPECT_NE(pool.At(1).PersonID, winner);
    PoolDigest left;
    left.Add(pool.At(0).PersonID);
    left.Add(pool.At(1).PersonID);
    EXPECT_EQ(pool.Digest(), left.Hex()) << "the dropped entry left the digest";
    // One number's digest is its SHA-256, upper-cased, as auditors are told.
    PoolDigest one;
    one.Add(QStringLiteral("p1"));
    EXPECT_EQ(one.Hex(), QCryptographicHash::hash("P1", QCryptographicHash::Sha256).toHex());
    ASSERT_TRUE(pool.Update());
    EXPECT_EQ(Rows(pool.Entries()), Rows(WinnerStore(db()).CandidatePool().value()));
}

TEST_P(CandidatePoolTest, AWinnerIsShownUnderTheNameStoredWhenItChangedAfterThePick)
{
    AddPeople(4);
    CAdoDatabase other;
    ASSERT_TRUE(other.ConnectDatabase(m_data.target()));
    for (CAdoDatabase* renaming : {&db(), &other}) {
        engine().StartRound();
        m_host.Advance(100);
        engine().StopRoll();
        const QString id = engine().TargetID();
        const QString name =
            renaming == &db() ? QStringLiteral("此处改名") : QStringLiteral("别处改名");
        const ChangeStamp before = db().ChangeToken();
        ASSERT_TRUE(PersonStore(*renaming).Update({id, name, QString()}));
        AwaitOtherChange(before);
        ASSERT_TRUE(RunToRoundEnd());
        ASSERT_EQ(m_host.winnersList.size(), 1);
        EXPECT_EQ(m_host.winnersList[0], qMakePair(id, name));
        EXPECT_EQ(WinnerStore(db()).WinnerName(id), name);
    }
}

TEST_F(DrawEngineTest, ThePoolKeptThroughTheStoresEqualsTheDatabasesPool)
{
    PersonStore persons(db());
    WinnerStore winners(db());
    int choices = 0;
    ChooseInTurn(choices);
    AddPeople(20);
    ASSERT_TRUE(DrawRound());
    // What the dialogs do between rounds, in an order that touches every journalled kind: a
    // participant added again after winning and being removed must not come back.
    const QString winner = Wins().at(0).id;
    ASSERT_TRUE(persons.Delete(winner));
    ASSERT_TRUE(persons.Insert({winner.toLower(), QStringLiteral("回来"), QString()}));
    ASSERT_TRUE(persons.Insert({QStringLiteral("N1"), QStringLiteral("新1"), QString()}));
    ASSERT_TRUE(persons.Insert({QStringLiteral("N2"), QStringLiteral("新2"), QString()}));
    ASSERT_TRUE(
        persons.Update({QStringLiteral("n1"), QStringLiteral("改名"), QStringLiteral("财务")}));
    ASSERT_TRUE(persons.Update({QStringLiteral("P3"), QStringLiteral("改名3"), QString()}));
    ASSERT_TRUE(persons.Delete(QStringLiteral("p5")));
    ASSERT_TRUE(persons.Delete(QStringLiteral("N2")));
    ASSERT_TRUE(winners.InsertWinner({QStringLiteral("P7"), QString(), 1, 1, QString()}));
    ASSERT_TRUE(DrawRound());
    ASSERT_EQ(Wins().size(), 3);
    const QList<PersonRow> kept = engine().Pool().Entries();
    EXPECT_EQ(kept, winners.CandidatePool().value());
    EXPECT_EQ(kept.size(), 20 - 1 - 1 - 1 - 1 + 1)
        << "N1 joined; a winner, P5, P7 and the new one left";

    // A change the stores do not journal (a commit, another statement) gives a full read.
    ASSERT_TRUE(db().BeginTransaction());
    ASSERT_TRUE(persons.Insert({QStringLiteral("T1"), QStringLiteral("事务"), QString()}));
    ASSERT_TRUE(db().CommitTransaction());
    ASSERT_TRUE(
        db().OpenQuery(QStringLiteral("update person set PersonName='直接' where PersonID='P9'")));
    ASSERT_TRUE(persons.DeleteAll());
    ASSERT_TRUE(persons.Insert({QStringLiteral("Z1"), QStringLiteral("最后"), QString()}));
    ASSERT_TRUE(DrawRound());
    EXPECT_TRUE(engine().Pool().Entries().isEmpty());
    EXPECT_EQ(Wins().last().id, QStringLiteral("Z1"));
}
