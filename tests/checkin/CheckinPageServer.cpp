// SPDX-License-Identifier: GPL-3.0-or-later
// The check-in server on 127.0.0.1 over participants in memory, for the browser check:
// prints the page's address, then serves until killed. Participants: A001 张三, A002 李四.
#include "checkin/MemoryCheckinAuthority.h"
#include "checkin/web/CheckinAddress.h"
#include "checkin/web/CheckinServer.h"
#include "checkin/web/CheckinToken.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    MemoryCheckinAuthority authority({{QStringLiteral("A001"), QStringLiteral("张三")},
                                      {QStringLiteral("A002"), QStringLiteral("李四")}});
    const QByteArray token = CheckinToken::Generate();
    CheckinServer server(authority, token, CheckinServer::Options{});
    if (server.Listen(QHostAddress::LocalHost, 0) == 0) {
        return 1;
    }
    std::printf("%s\n",
                qPrintable(CheckinAddress::PageUrl(QHostAddress::LocalHost, server.Port(), token)));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
