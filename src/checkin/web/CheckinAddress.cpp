// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/CheckinAddress.h"

#include <QNetworkInterface>

namespace CheckinAddress {

QHostAddress LanIPv4()
{
    const auto wanted = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interface : interfaces) {
        if ((interface.flags() & wanted) != wanted ||
            interface.flags().testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        const QList<QNetworkAddressEntry> entries = interface.addressEntries();
        for (const QNetworkAddressEntry& entry : entries) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol &&
                !entry.ip().isLoopback()) {
                return entry.ip();
            }
        }
    }
    return QHostAddress(QHostAddress::LocalHost);
}

QString PageUrl(const QHostAddress& host, quint16 port, const QByteArray& token)
{
    QString hostText = host.toString();
    if (host.protocol() == QAbstractSocket::IPv6Protocol) {
        hostText = u'[' + hostText + u']';
    }
    return QStringLiteral("http://%1:%2/c/%3").arg(hostText).arg(port).arg(QLatin1String(token));
}

} // namespace CheckinAddress
