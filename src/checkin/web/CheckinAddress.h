// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

// Where phones on the local network find the check-in page.
namespace CheckinAddress {

// The machine's address on the local network: the first IPv4 address of an interface that is
// up, running and not the loopback; 127.0.0.1 when there is none.
QHostAddress LanIPv4();
// http://HOST:PORT/c/TOKEN
QString PageUrl(const QHostAddress& host, quint16 port, const QByteArray& token);

} // namespace CheckinAddress
