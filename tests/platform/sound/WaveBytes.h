// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Wave files built byte by byte, for the tests of files the sound code must refuse.
#include <QByteArray>
#include <QtEndian>

namespace WaveBytes {

inline QByteArray Le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray Le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A chunk, padded to an even size; declared replaces the length written in its header.
inline QByteArray Chunk(const char* id, const QByteArray& body, qint64 declared = -1)
{
    return QByteArray(id, 4) + Le32(quint32(declared < 0 ? body.size() : declared)) + body +
           (body.size() % 2 != 0 ? QByteArray(1, '\0') : QByteArray());
}

// The body of a 16-byte "fmt " chunk.
inline QByteArray Format(quint16 tag = 1, quint16 channels = 1, quint32 rate = 22050,
                         quint16 bits = 16)
{
    return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * channels * bits / 8) +
           Le16(quint16(channels * bits / 8)) + Le16(bits);
}

inline QByteArray Riff(const QByteArray& chunks)
{
    return "RIFF" + Le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

} // namespace WaveBytes
