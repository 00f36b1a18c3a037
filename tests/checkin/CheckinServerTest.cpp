// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/MemoryCheckinAuthority.h"
#include "checkin/web/CheckinService.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QByteArray Token = QByteArrayLiteral("AbCdEfGhIjKlMnOpQrStUv");

struct Answer
{
    int status = 0; // 0: no answer (the connection was cut)
    QByteArray headers;
    QByteArray body;
    qint64 ms = 0;
};

// One request over its own connection to the server on 127.0.0.1, read to its end.
Answer Request(quint16 port, const QByteArray& method, const QByteArray& path,
               const QByteArray& body = {}, const QByteArray& moreHeaders = {})
{
    QElapsedTimer clock;
    clock.start();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(3000)) {
        return {};
    }
    socket.write(method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + moreHeaders +
                 "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n");
    socket.write(body);
    QByteArray data;
    Answer answer;
    while (socket.waitForReadyRead(5000)) {
        data += socket.readAll();
        const qsizetype end = data.indexOf("\r\n\r\n");
        if (end < 0) {
            continue;
        }
        answer.headers = data.first(end);
        const QByteArray lengthKey = "content-length: ";
        const qsizetype at = answer.headers.toLower().indexOf(lengthKey);
        const qsizetype length =
            at < 0 ? 0 : answer.headers.mid(at + lengthKey.size()).split('\r').first().toLongLong();
        if (data.size() >= end + 4 + length) {
            answer.status = answer.headers.mid(9, 3).toInt();
            answer.body = data.mid(end + 4, length);
            break;
        }
    }
    answer.ms = clock.elapsed();
    return answer;
}

const QByteArray Json = "Accept: application/json\r\n"
                        "Content-Type: application/x-www-form-urlencoded\r\n";

class CheckinServerTest : public ::testing::Test
{
protected:
    void Start(CheckinServer::Options options)
    {
        m_service = std::make_unique<CheckinService>(
            [this] {
                auto authority = std::make_unique<MemoryCheckinAuthority>(
                    QHash<QString, QString>{{"A001", "张三"}, {"A002", "李四"}});
                m_authority = authority.get();
                return authority;
            },
            Token, options);
        ASSERT_TRUE(m_service->Start(QHostAddress::LocalHost, 0));
        port = m_service->Port();
    }
    Answer Post(const QByteArray& form, const QByteArray& headers = Json)
    {
        return Request(port, "POST", "/c/" + Token, form, headers);
    }

    std::unique_ptr<CheckinService> m_service;
    MemoryCheckinAuthority* m_authority = nullptr;
    quint16 port = 0;
};

} // namespace

TEST_F(CheckinServerTest, WithoutTheTokenEveryRequestGetsAnEmptyNotFound)
{
    Start({});
    const QList<QByteArray> paths{"/",
                                  "/c/",
                                  "/c/AbCdEfGhIjKlMnOpQrStUw",
                                  "/c/" + Token + "x",
                                  "/c/" + Token + "/",
                                  "/favicon.ico",
                                  "/c/abcdefghijklmnopqrstuv"};
    for (const QByteArray& path : paths) {
        for (const char* method : {"GET", "POST"}) {
            const Answer answer = Request(port, method, path, "id=A001&name=%E5%BC%A0%E4%B8%89");
            EXPECT_EQ(answer.status, 404) << path.constData();
            EXPECT_TRUE(answer.body.isEmpty()) << path.constData();
        }
    }
    EXPECT_EQ(m_authority->Calls(), 0);
    EXPECT_TRUE(m_authority->CheckedIn().isEmpty());
    // With the token: the form, in the page's language, self-contained; other methods refused.
    const Answer page = Request(port, "GET", "/c/" + Token + "?from=qr");
    EXPECT_EQ(page.status, 200);
    EXPECT_TRUE(page.body.contains("<html lang=\"zh-CN\">"));
    EXPECT_TRUE(page.body.contains("<form method=\"post\""));
    EXPECT_FALSE(page.body.contains("http")) << "no outside resource";
    EXPECT_TRUE(page.headers.contains("Content-Security-Policy"));
    EXPECT_EQ(Request(port, "PUT", "/c/" + Token, "id=A001").status, 405);
    EXPECT_EQ(Request(port, "DELETE", "/c/" + Token).status, 405);
}

TEST_F(CheckinServerTest, AWrongNameIsAnsweredExactlyLikeAnUnknownNumber)
{
    CheckinServer::Options options;
    options.MinimumAnswerMs = 150;
    Start(options);
    const Answer first = Post("id=A001&name=%E5%BC%A0%E4%B8%89"); // 张三
    EXPECT_EQ(first.status, 200);
    EXPECT_EQ(first.body, R"({"status": "checked-in"})");
    EXPECT_EQ(Post("name=%E5%BC%A0%E4%B8%89+&id=+A001").body, R"({"status": "already"})");

    const Answer unknown = Post("id=Z999&name=%E5%BC%A0%E4%B8%89");
    const Answer wrongName = Post("id=A002&name=%E5%BC%A0%E4%B8%89");
    EXPECT_EQ(unknown.body, R"({"status": "refused"})");
    EXPECT_EQ(wrongName.status, unknown.status);
    EXPECT_EQ(wrongName.body, unknown.body);
    EXPECT_EQ(wrongName.headers, unknown.headers);
    for (const Answer& answer : {first, unknown, wrongName}) {
        EXPECT_GE(answer.ms, options.MinimumAnswerMs);
    }
    // The pages are the same as well, and echo nothing that was typed.
    const QByteArray form = "Content-Type: application/x-www-form-urlencoded\r\n";
    const Answer unknownPage = Post("id=%3Cb%3EZ9&name=%3Cscript%3Ex", form);
    const Answer wrongPage = Post("id=A002&name=%3Cscript%3Ex", form);
    EXPECT_EQ(unknownPage.status, 200);
    EXPECT_EQ(unknownPage.body, wrongPage.body);
    EXPECT_FALSE(unknownPage.body.contains("<script") || unknownPage.body.contains("<b>"));
    EXPECT_TRUE(unknownPage.body.contains("class=\"notice bad\""));
    // Only the participant whose number and name were given is checked in.
    EXPECT_EQ(m_authority->CheckedIn(), QSet<QString>{"A001"});
}

TEST_F(CheckinServerTest, AGuessingClientIsShutOutForAGrowingWhile)
{
    CheckinServer::Options options;
    options.MinimumAnswerMs = 10;
    options.Throttle.RefusalsAllowed = 3;
    options.Throttle.FirstBlock = 1500;
    Start(options);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Post("id=X" + QByteArray::number(i) + "&name=x").body,
                  R"({"status": "refused"})");
    }
    // Shut out: even the right pair is not heard, and the answer says when to come back.
    const int callsBefore = m_authority->Calls();
    const Answer shutOut = Post("id=A002&name=%E6%9D%8E%E5%9B%9B");
    EXPECT_EQ(shutOut.status, 429);
    EXPECT_EQ(shutOut.body, R"({"status": "too-many-attempts"})");
    EXPECT_TRUE(shutOut.headers.contains("Retry-After: 2"));
    EXPECT_EQ(m_authority->Calls(), callsBefore);
    // Heard again after the wait; the next refusal shuts it out for twice as long.
    QThread::msleep(1600);
    EXPECT_EQ(Post("id=A002&name=%E6%9D%8E%E5%9B%9B").body, R"({"status": "checked-in"})");
    EXPECT_EQ(Post("id=X9&name=x").status, 200);
    EXPECT_TRUE(Post("id=A001&name=x").headers.contains("Retry-After: 3"));
}

TEST_F(CheckinServerTest, AFailingStoreIsNotPassedOffAsARefusal)
{
    CheckinServer::Options options;
    options.MinimumAnswerMs = 10;
    options.Throttle.RefusalsAllowed = 1;
    Start(options);
    m_authority->SetFailing(true);
    for (int i = 0; i < 3; ++i) {
        const Answer answer = Post("id=A001&name=%E5%BC%A0%E4%B8%89");
        EXPECT_EQ(answer.status, 503);
        EXPECT_EQ(answer.body, R"({"status": "unavailable"})");
    }
    // Nor counted as guesses: the guest is heard once the store is back.
    m_authority->SetFailing(false);
    EXPECT_EQ(Post("id=A001&name=%E5%BC%A0%E4%B8%89").body, R"({"status": "checked-in"})");
}

TEST_F(CheckinServerTest, OneClientCannotStarveTheServer)
{
    Start({});
    // Idle connections from one address are held to a bound, not piled up.
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 40; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost(QHostAddress::LocalHost, port);
        ASSERT_TRUE(idle.back()->waitForConnected(3000));
    }
    QThread::msleep(200);
    EXPECT_EQ(Request(port, "GET", "/c/" + Token).status, 0);
    idle.clear();
    QThread::msleep(200);
    EXPECT_EQ(Request(port, "GET", "/c/" + Token).status, 200);
    EXPECT_EQ(Post("id=A001&name=" + QByteArray(5000, 'x')).status, 413);
    // Far beyond: the connection is cut before the body has arrived.
    EXPECT_EQ(Post("id=A001&name=" + QByteArray(4 * 1024 * 1024, 'x')).status, 0);
    EXPECT_EQ(Post("id=A001&name=" + QByteArray(101, 'x')).body, R"({"status": "refused"})");
    EXPECT_EQ(Post("id=A001&name=%E5%BC%A0%E4%B8%89").body, R"({"status": "checked-in"})");
    EXPECT_EQ(m_authority->Calls(), 1);
}
