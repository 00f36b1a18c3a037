// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkin/web/GuessThrottle.h"

#include <QAbstractHttpServer>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QHttpServerResponder>
#include <QPointer>
#include <QTimer>

#include <deque>

class CheckinAuthority;
class GuardedTcpServer;
class QTcpSocket;

// The check-in page over HTTP, at /c/TOKEN only:
//   GET  the form;
//   POST id and name (form-encoded): the outcome as a page, or as {"status": ...} when the
//        request accepts application/json;
//   any other method 405. Every other path, a wrong or a missing token: 404 with an empty body.
// Every post is answered no sooner than MinimumAnswerMs after it arrived, whatever the
// outcome, so answer times tell nothing about the participants; a client with too many refused
// posts is shut out for a while (GuessThrottle, answer 429). Lives and calls the authority on
// the thread it was made on.
class CheckinServer final : public QAbstractHttpServer
{
    Q_OBJECT

public:
    struct Options
    {
        qint64 MinimumAnswerMs = 300;
        int MaxBodyBytes = 4096;
        GuessThrottle::Limits Throttle;
    };
    // The longest number and name heard; longer ones are refused unasked.
    static constexpr int MaxIdLength = 64;
    static constexpr int MaxNameLength = 100;

    CheckinServer(CheckinAuthority& authority, QByteArray token, Options options,
                  QObject* parent = nullptr);
    ~CheckinServer() override;

    // Listens on address:port (port 0: any free one); returns the port, 0 with errorText when
    // it could not listen.
    quint16 Listen(const QHostAddress& address, quint16 port, QString* errorText = nullptr);
    quint16 Port() const;
    QString PagePath() const;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Reply
    {
        QHttpServerResponder::StatusCode status = QHttpServerResponder::StatusCode::NotFound;
        QByteArray contentType;
        QByteArray body;
        qint64 retryAfterSeconds = 0;
    };
    struct Pending
    {
        qint64 due;
        QPointer<QTcpSocket> socket;
        QHttpServerResponder responder;
        Reply reply;
    };

    bool IsPagePath(const QHttpServerRequest& request) const;
    Reply CheckIn(const QHttpServerRequest& request, qint64 now);
    void SendDue();
    static void Send(QHttpServerResponder& responder, const Reply& reply);

    CheckinAuthority& m_authority;
    QByteArray m_token;
    Options m_options;
    GuessThrottle m_throttle;
    GuardedTcpServer* m_listener = nullptr;
    QElapsedTimer m_clock;
    std::deque<Pending> m_pending;
    QTimer m_sender;
};
