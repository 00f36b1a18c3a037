// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/CheckinToken.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>

#include <array>

namespace CheckinToken {

QByteArray Generate()
{
    std::array<quint32, 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.data()), sizeof(words))
        .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

bool IsWellFormed(const QByteArray& token)
{
    if (token.size() != Length) {
        return false;
    }
    for (const char c : token) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!plain) {
            return false;
        }
    }
    return true;
}

bool Matches(const QByteArray& expected, const QByteArray& offered)
{
    if (expected.isEmpty()) {
        return false;
    }
    // Every byte of the offered text is looked at, whatever it holds.
    unsigned difference = expected.size() == offered.size() ? 0U : 1U;
    for (qsizetype i = 0; i < offered.size(); ++i) {
        difference |= static_cast<unsigned char>(offered[i]) ^
                      static_cast<unsigned char>(expected[i % expected.size()]);
    }
    return difference == 0;
}

QByteArray ReadOrCreate(const QString& file, QString* errorText)
{
    QFile existing(file);
    if (existing.open(QIODevice::ReadOnly)) {
        const QByteArray stored = existing.read(Length + 2).trimmed();
        if (IsWellFormed(stored)) {
            return stored;
        }
    }
    const QByteArray token = Generate();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(token + '\n') < 0 || !out.commit()) {
        if (errorText) {
            *errorText = out.errorString();
        }
        return {};
    }
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return token;
}

} // namespace CheckinToken
