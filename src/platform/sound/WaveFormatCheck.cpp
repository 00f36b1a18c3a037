// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/WaveFormatCheck.h"

#include "platform/core/ProtectedFiles.h"

#include <QFile>
#include <QtEndian>

namespace {

bool Fail(QString* reason, const char* text)
{
    if (reason != nullptr) {
        *reason = QString::fromLatin1(text);
    }
    return false;
}

} // namespace

bool WaveFormatCheck::IsPlayable(const QString& path, QString* reason)
{
    if (ProtectedFiles::Covers(path)) {
        return Fail(reason, "is the event's database, not a sound");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(reason, "cannot be opened");
    }
    const qint64 size = file.size();
    if (size > MaxBytes) {
        return Fail(reason, "too large");
    }
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
        return Fail(reason, "no RIFF/WAVE header");
    }
    qint64 frameBytes = 0; // set by the format chunk
    qint64 position = 12;
    while (position + 8 <= size) {
        if (!file.seek(position)) {
            return Fail(reason, "cannot be read");
        }
        char header[8];
        if (file.read(header, sizeof header) != qint64(sizeof header)) {
            return Fail(reason, "cut short");
        }
        const QByteArray id(header, 4);
        const qint64 length = qFromLittleEndian<quint32>(header + 4);
        const qint64 body = position + 8;
        if (length > size - body) {
            return Fail(reason, "chunk runs past the end of the file");
        }
        if (id == "fmt ") {
            if (length < 16) {
                return Fail(reason, "format chunk too short");
            }
            // Read into an array of its own size, so that every offset below is plainly in it.
            char fmt[16];
            if (file.read(fmt, sizeof fmt) != qint64(sizeof fmt)) {
                return Fail(reason, "cut short");
            }
            const auto tag = qFromLittleEndian<quint16>(fmt);
            const auto channels = qFromLittleEndian<quint16>(fmt + 2);
            const auto rate = qFromLittleEndian<quint32>(fmt + 4);
            const auto bits = qFromLittleEndian<quint16>(fmt + 14);
            if (tag != 1) {
                return Fail(reason, "not PCM samples");
            }
            if (bits != 8 && bits != 16 && bits != 32) {
                return Fail(reason, "unsupported sample size");
            }
            if (channels < 1 || channels > MaxChannels) {
                return Fail(reason, "unsupported channel count");
            }
            if (rate < MinRate || rate > MaxRate) {
                return Fail(reason, "unsupported sample rate");
            }
            frameBytes = qint64(channels) * (bits / 8);
        } else if (id == "data") {
            if (frameBytes == 0) {
                return Fail(reason, "data before the format");
            }
            if (length == 0) {
                return Fail(reason, "no samples");
            }
            if (length % frameBytes != 0) {
                return Fail(reason, "samples end inside a frame");
            }
            return true;
        }
        if (length % 2 != 0) {
            return Fail(reason, "odd-sized chunk before the samples");
        }
        position = body + length;
    }
    return Fail(reason, frameBytes != 0 ? "no data chunk" : "no format chunk");
}
