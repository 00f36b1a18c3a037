// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/DrawEngineFixture.h"

#include "data/SqlStatements.h"
#include "draw/engine/VirtualDrawClock.h"

#include <QThread>

DrawEngineTest::DrawEngineTest(TestDatabase::Driver driver) : m_data(driver)
{
    auto random = std::make_unique<ScriptedRandomSource>();
    m_random = random.get();
    m_engine = std::make_unique<DrawEngine>(m_host, m_data.db(), std::move(random),
                                            std::make_unique<VirtualDrawClock>(m_host));
    m_host.Attach(m_engine.get());
}

void DrawEngineTest::SetUp()
{
    SORTILO_SKIP_UNLESS_AVAILABLE(m_data.target().driver);
    ASSERT_TRUE(m_data.ok()) << m_data.error().toStdString();
}

void DrawEngineTest::AddPerson(const QString& id, const QString& name)
{
    m_data.Exec(QString::fromLatin1(SqlStatements::InsertPerson), {id, name, QStringLiteral("")});
}

void DrawEngineTest::AddPeople(int count)
{
    for (int i = 1; i <= count; ++i) {
        AddPerson(QStringLiteral("P%1").arg(i), QStringLiteral("人%1").arg(i));
    }
}

void DrawEngineTest::ChooseInTurn(int& choices)
{
    m_random->choose = [&choices](std::uint64_t bound) -> std::uint64_t {
        return bound == DrawEngine::ReelAlphabetSize
                   ? 0
                   : static_cast<std::uint64_t>(choices++) % bound;
    };
}

void DrawEngineTest::SetQuota(int quota)
{
    while (m_engine->RoundQuota() < quota) {
        m_engine->QuotaUp();
    }
    while (m_engine->RoundQuota() > quota) {
        m_engine->QuotaDown();
    }
}

void DrawEngineTest::SetLevel(int level)
{
    while (m_engine->PrizeLevel() < level) {
        m_engine->LevelUp();
    }
    while (m_engine->PrizeLevel() > level) {
        m_engine->LevelDown();
    }
}

bool DrawEngineTest::DrawRound()
{
    m_engine->StartRound();
    if (m_engine->IsIdle()) {
        return false;
    }
    m_host.Advance(250);
    m_engine->StopRoll();
    return RunToRoundEnd();
}

bool DrawEngineTest::RunToRoundEnd()
{
    return m_host.RunUntil([this] { return m_engine->IsIdle() && !m_engine->IsRolling(); },
                           10 * 60 * 1000);
}

void DrawEngineTest::AwaitOtherChange(const ChangeStamp& before)
{
    for (int wait = 0; wait < 250 && db().ChangeToken() == before; ++wait) {
        QThread::msleep(20);
    }
}

QList<DrawEngineTest::Win> DrawEngineTest::Wins()
{
    QList<Win> wins;
    CAdoDatabase& database = m_data.db();
    // The order of storing: SQLite's row number; PostgreSQL's row position, which follows the
    // inserts in a table that is only appended to and emptied.
    m_data.Exec(m_data.target().driver == TestDatabase::Driver::Sqlite
                    ? QStringLiteral("select * from ComePrize order by rowid")
                    : QStringLiteral("select * from ComePrize order by ctid"));
    for (; !database.IsEOF(); database.MoveNext()) {
        wins.append({database.GetFieldText(QStringLiteral("PersonID")),
                     database.GetFieldText(QStringLiteral("sDateTime")),
                     database.GetFieldText(QStringLiteral("step")).toInt(),
                     database.GetFieldText(QStringLiteral("sNo")).toInt(),
                     database.GetFieldText(QStringLiteral("JP"))});
    }
    return wins;
}
