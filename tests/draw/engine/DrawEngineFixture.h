// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "draw/engine/DrawEngine.h"
#include "draw/engine/FakeDrawHost.h"
#include "support/RecordingMessageService.h"
#include "draw/engine/ScriptedRandomSource.h"
#include "support/TestDatabase.h"

#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// An engine on a fresh database (SQLite unless a test names the driver), a recording host with a
// virtual clock and a scripted random source (pseudo-random unless a test dictates the choices).
class DrawEngineTest : public ::testing::Test
{
protected:
    struct Win
    {
        QString id;
        QString time;
        int step = 0;
        int sNo = 0;
        QString prize;
    };

    explicit DrawEngineTest(TestDatabase::Driver driver = TestDatabase::Driver::Sqlite);
    // Skips when the driver cannot be tested here; fails when the database could not be made.
    void SetUp() override;

    DrawEngine& engine() { return *m_engine; }
    CAdoDatabase& db() { return m_data.db(); }

    void AddPerson(const QString& id, const QString& name);
    // Participants P1..Pcount named 人1..人count.
    void AddPeople(int count);
    // Every choice of a winner takes the next pool entry (so a second choice would show) and is
    // counted in choices; the reels start on their first character.
    void ChooseInTurn(int& choices);
    void SetQuota(int quota);
    void SetLevel(int level);
    // Start, let the reels roll for a moment, stop, and run until the round is over.
    bool DrawRound();
    // Runs the timers until the round is over (idle, nothing rolling).
    bool RunToRoundEnd();
    // Waits until this connection's change token differs from before, as it does once it sees
    // what another connection committed (a PostgreSQL notice comes a moment after the commit).
    void AwaitOtherChange(const ChangeStamp& before);
    // Every ComePrize row, in the order stored.
    QList<Win> Wins();

    RecordingMessageService m_messages;
    TestDatabase m_data;
    FakeDrawHost m_host;
    ScriptedRandomSource* m_random = nullptr; // owned by the engine
    std::unique_ptr<DrawEngine> m_engine;
};

// The same on the driver a parameterised test names.
class DrawEngineDriverTest : public DrawEngineTest,
                             public ::testing::WithParamInterface<TestDatabase::Driver>
{
protected:
    DrawEngineDriverTest() : DrawEngineTest(GetParam()) {}
};
