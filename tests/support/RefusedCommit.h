// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/TestDatabase.h"

// Makes the database refuse to commit a transaction that inserted the participant personId, as
// a full disk or a lost server would refuse it: the insert succeeds, the commit fails on a
// deferred foreign key. PostgreSQL checks it on every connection; SQLite only on the set-up
// connection, whose foreign keys this switches on (other connections do not check them).
inline void RefuseCommitOf(TestDatabase& data, const QString& personId)
{
    data.Exec(QStringLiteral("create table refused_parent (id text primary key)"));
    data.Exec(QStringLiteral("create table refused_child (id text references refused_parent (id) "
                             "deferrable initially deferred)"));
    const QString when = QStringLiteral("new.PersonID = '%1'").arg(personId);
    if (data.target().driver == TestDatabase::Driver::Sqlite) {
        data.Exec(QStringLiteral("pragma foreign_keys = on"));
        data.Exec(QStringLiteral("create trigger refuse_commit after insert on person when %1 "
                                 "begin insert into refused_child values ('none'); end")
                      .arg(when));
    } else {
        data.Exec(QStringLiteral("create function refuse_commit() returns trigger language plpgsql "
                                 "as $$ begin insert into refused_child values ('none'); "
                                 "return null; end $$"));
        data.Exec(QStringLiteral("create trigger refuse_commit after insert on person for each "
                                 "row when (%1) execute function refuse_commit()")
                      .arg(when));
    }
}
