// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class CAdoDatabase;

// A participant as stored in table person.
struct PersonRow
{
    QString PersonID;
    QString PersonName;
    QString Company;
    // The participant's group (a department, an identity); empty: none.
    QString PersonGroup{};

    bool operator==(const PersonRow&) const = default;

    // The number as participant numbers compare (without regard to the case of a..z, as the
    // database's collation does): a..z upper-cased, nothing else changed. An ID without a..z is
    // returned as it is, without a copy.
    static QString IdKey(const QString& id);
};

// The participant statements of the catalogue with bound values. Every call reads all rows of
// its query before it returns, so callers never depend on the layer's shared result. A failed
// statement has already shown the layer's "Error: %s" box; callers add their own text.
class PersonStore
{
public:
    explicit PersonStore(CAdoDatabase& database) : m_database(database) {}

    // Every participant ordered by number; nullopt when the query failed.
    std::optional<QList<PersonRow>> All();
    // The same rows as the participant export reads them.
    std::optional<QList<PersonRow>> ExportRows();
    std::optional<int> Count();
    // True when a participant with this number exists (case-insensitively). A failed query
    // counts as absent: the insert that follows is then the final word.
    bool Exists(const QString& personId);
    // The participant with this number, nullopt when absent or when the query failed.
    std::optional<PersonRow> Find(const QString& personId);

    // What a change of one stored participant did.
    enum class Change
    {
        Done,
        Missing, // no participant with that number is stored (removed meanwhile, perhaps at
                 // another station): nothing was changed
        Failed   // a statement failed
    };
    // Update and Delete for a participant the operator picked from the list: each first makes
    // sure the participant is still stored, so a change that would match no row is told apart.
    Change UpdateStored(const PersonRow& person);
    Change DeleteStored(const QString& personId);

    bool Insert(const PersonRow& person);
    // Changes the name, remark and group of the participant person.PersonID.
    bool Update(const PersonRow& person);
    bool Delete(const QString& personId);
    bool DeleteAll();

private:
    std::optional<QList<PersonRow>> ReadRows(const char* sql);
    // Runs change when the participant is stored.
    Change IfStored(const QString& personId, const std::function<bool()>& change);

    CAdoDatabase& m_database;
};
