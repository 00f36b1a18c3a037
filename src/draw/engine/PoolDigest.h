// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCryptographicHash>
#include <QString>
#include <QtGlobal>

#include <array>

// A digest of a set of participant numbers that does not depend on their order and is kept up to
// date one number at a time: the SHA-256 of each number (a..z upper-cased, as numbers compare,
// in UTF-8) read as four 64-bit big-endian numbers, added lane by lane modulo 2^64 over the set.
// Adding or removing one participant costs one hash, so a pick from 100,000 names the pool it
// came from without hashing it again. Anyone holding the participant list can compute it.
class PoolDigest
{
public:
    void Clear() { m_lanes.fill(0); }
    void Add(const QString& personId) { Apply(personId, false); }
    void Remove(const QString& personId) { Apply(personId, true); }
    // The four lanes as 64 lower-case hexadecimal digits.
    QString Hex() const;

    bool operator==(const PoolDigest& other) const { return m_lanes == other.m_lanes; }

private:
    void Apply(const QString& personId, bool subtract);

    std::array<quint64, 4> m_lanes{};
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
};
