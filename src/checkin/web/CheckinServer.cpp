// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/CheckinServer.h"

#include "checkin/web/CheckinAuthority.h"
#include "checkin/web/CheckinPage.h"
#include "checkin/web/CheckinToken.h"
#include "checkin/web/GuardedTcpServer.h"

#include <QHttpServerRequest>
#include <QTcpSocket>

namespace {

using Status = QHttpServerResponder::StatusCode;
using CheckinPage::Notice;

const QByteArray PathPrefix = QByteArrayLiteral("/c/");
// Posts waiting for their answer time; beyond, a post is answered 503 at once.
constexpr std::size_t MaxPending = 4096;

// The fields of an application/x-www-form-urlencoded body; the first of a repeated name wins.
QString FormField(const QByteArray& body, const QByteArray& name)
{
    for (const QByteArray& pair : body.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        if (equals >= 0 && pair.first(equals) == name) {
            QByteArray value = pair.mid(equals + 1);
            value.replace('+', ' ');
            return QString::fromUtf8(QByteArray::fromPercentEncoding(value)).trimmed();
        }
    }
    return {};
}

bool WantsJson(const QHttpServerRequest& request)
{
    return request.value("Accept").contains("application/json");
}

} // namespace

CheckinServer::CheckinServer(CheckinAuthority& authority, QByteArray token, Options options,
                             QObject* parent)
    : QAbstractHttpServer(parent), m_authority(authority), m_token(std::move(token)),
      m_options(options), m_throttle(options.Throttle)
{
    m_clock.start();
    m_sender.setSingleShot(true);
    m_sender.setTimerType(Qt::PreciseTimer);
    connect(&m_sender, &QTimer::timeout, this, &CheckinServer::SendDue);
}

CheckinServer::~CheckinServer() = default;

quint16 CheckinServer::Listen(const QHostAddress& address, quint16 port, QString* errorText)
{
    auto* listener = new GuardedTcpServer(this);
    if (!listener->listen(address, port)) {
        if (errorText) {
            *errorText = listener->errorString();
        }
        delete listener;
        return 0;
    }
    m_listener = listener;
    bind(listener);
    return listener->serverPort();
}

quint16 CheckinServer::Port() const
{
    return m_listener ? m_listener->serverPort() : 0;
}

QString CheckinServer::PagePath() const
{
    return QString::fromLatin1(PathPrefix + m_token);
}

bool CheckinServer::IsPagePath(const QHttpServerRequest& request) const
{
    const QByteArray path = request.url().path(QUrl::FullyEncoded).toLatin1();
    return path.startsWith(PathPrefix) &&
           CheckinToken::Matches(m_token, path.sliced(PathPrefix.size()));
}

bool CheckinServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    if (!IsPagePath(request)) {
        Send(responder, Reply{});
        return true;
    }
    switch (request.method()) {
    case QHttpServerRequest::Method::Get:
        Send(responder,
             Reply{Status::Ok, "text/html; charset=utf-8", CheckinPage::Html(Notice::None)});
        return true;
    case QHttpServerRequest::Method::Post:
        break;
    default:
        Send(responder, Reply{Status::MethodNotAllowed, {}, {}});
        return true;
    }
    const qint64 arrived = m_clock.elapsed();
    if (request.body().size() > m_options.MaxBodyBytes) {
        Send(responder, Reply{Status::PayloadTooLarge, {}, {}});
        return true;
    }
    if (m_pending.size() >= MaxPending) {
        Send(responder, Reply{Status::ServiceUnavailable, {}, {}});
        return true;
    }
    Reply reply = CheckIn(request, arrived);
    m_pending.push_back(Pending{arrived + m_options.MinimumAnswerMs, QPointer<QTcpSocket>(socket),
                                std::move(responder), std::move(reply)});
    if (!m_sender.isActive()) {
        SendDue();
    }
    return true;
}

void CheckinServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    Send(responder, Reply{});
}

CheckinServer::Reply CheckinServer::CheckIn(const QHttpServerRequest& request, qint64 now)
{
    const bool json = WantsJson(request);
    const auto reply = [json](Status status, Notice notice) {
        return json ? Reply{status, "application/json", CheckinPage::Json(notice)}
                    : Reply{status, "text/html; charset=utf-8", CheckinPage::Html(notice)};
    };
    const QHostAddress client = request.remoteAddress();
    if (const qint64 wait = m_throttle.WaitFor(client, now); wait > 0) {
        Reply slowed = reply(Status::TooManyRequests, Notice::TooManyAttempts);
        slowed.retryAfterSeconds = (wait + 999) / 1000;
        return slowed;
    }
    const QByteArray body = request.body();
    const QString id = FormField(body, "id");
    const QString name = FormField(body, "name");
    if (id.isEmpty() || name.isEmpty() || id.size() > MaxIdLength || name.size() > MaxNameLength) {
        return reply(Status::Ok, Notice::Refused);
    }
    switch (m_authority.CheckInByNumberAndName(id, name).outcome) {
    case CheckinPageReply::CheckedIn:
        return reply(Status::Ok, Notice::CheckedIn);
    case CheckinPageReply::Already:
        return reply(Status::Ok, Notice::Already);
    case CheckinPageReply::Unavailable:
        return reply(Status::ServiceUnavailable, Notice::Unavailable);
    case CheckinPageReply::Refused:
        break;
    }
    m_throttle.RecordRefusal(client, now);
    return reply(Status::Ok, Notice::Refused);
}

void CheckinServer::SendDue()
{
    const qint64 now = m_clock.elapsed();
    while (!m_pending.empty() && m_pending.front().due <= now) {
        Pending& pending = m_pending.front();
        // A client that hung up meanwhile gets nothing; its socket is gone.
        if (pending.socket && pending.socket->state() == QAbstractSocket::ConnectedState) {
            Send(pending.responder, pending.reply);
        }
        m_pending.pop_front();
    }
    if (!m_pending.empty()) {
        m_sender.start(static_cast<int>(m_pending.front().due - now));
    }
}

void CheckinServer::Send(QHttpServerResponder& responder, const Reply& reply)
{
    responder.writeStatusLine(reply.status);
    if (!reply.contentType.isEmpty()) {
        responder.writeHeader("Content-Type", reply.contentType);
    }
    responder.writeHeader("Content-Length", QByteArray::number(reply.body.size()));
    responder.writeHeader("Cache-Control", "no-store");
    responder.writeHeader("Referrer-Policy", "no-referrer");
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    responder.writeHeader("Content-Security-Policy",
                          "default-src 'none'; style-src 'unsafe-inline'; form-action 'self'; "
                          "frame-ancestors 'none'");
    if (reply.status == Status::MethodNotAllowed) {
        responder.writeHeader("Allow", "GET, POST");
    }
    if (reply.retryAfterSeconds > 0) {
        responder.writeHeader("Retry-After", QByteArray::number(reply.retryAfterSeconds));
    }
    responder.writeBody(reply.body);
}
