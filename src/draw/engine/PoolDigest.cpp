// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/engine/PoolDigest.h"

#include "data/PersonStore.h"

#include <QtEndian>

void PoolDigest::Apply(const QString& personId, bool subtract)
{
    m_hash.reset();
    m_hash.addData(PersonRow::IdKey(personId).toUtf8());
    const QByteArrayView sum = m_hash.resultView();
    for (int lane = 0; lane < 4; ++lane) {
        const quint64 value = qFromBigEndian<quint64>(sum.data() + lane * 8);
        m_lanes[lane] = subtract ? m_lanes[lane] - value : m_lanes[lane] + value;
    }
}

QString PoolDigest::Hex() const
{
    QString text;
    text.reserve(64);
    for (const quint64 lane : m_lanes) {
        text += QStringLiteral("%1").arg(lane, 16, 16, QLatin1Char('0'));
    }
    return text;
}
