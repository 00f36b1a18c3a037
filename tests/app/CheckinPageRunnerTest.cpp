// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckinPageRunner.h"
#include "data/CAdoDatabase.h"
#include "data/CheckinPageSettings.h"
#include "data/CheckinStore.h"
#include "data/EventSettings.h"
#include "draw/window/AppFolder.h"
#include "draw/window/CDrawDlg.h"
#include "draw/window/DrawWindowCheckin.h"
#include "support/RecordingMessageService.h"

#include <QAction>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Posts a check-in to the page at url (on this machine) and returns the answer's body.
QByteArray PostCheckin(const QString& url, const QByteArray& form)
{
    const QUrl page(url);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(page.port()));
    if (!socket.waitForConnected(3000)) {
        return {};
    }
    socket.write("POST " + page.path().toUtf8() +
                 " HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: application/json\r\n"
                 "Content-Type: application/x-www-form-urlencoded\r\nConnection: close\r\n"
                 "Content-Length: " +
                 QByteArray::number(form.size()) + "\r\n\r\n" + form);
    QByteArray answer;
    while (socket.waitForReadyRead(5000)) {
        answer += socket.readAll();
        if (answer.contains("}")) {
            break;
        }
    }
    return answer.mid(answer.indexOf("\r\n\r\n") + 4);
}

QHostAddress SomeLanAddress()
{
    return QHostAddress(QStringLiteral("192.0.2.7"));
}

// An event folder of five participants, its database open as the window's, and its page.
class CheckinPageRunnerTest : public ::testing::Test
{
protected:
    RecordingMessageService messages;
    AppFolder folder{5};
    CAdoDatabase db;
    CheckinPageRunner page{folder.path(), QStringLiteral("hall")};

    void SetUp() override
    {
        ASSERT_FALSE(folder.path().isEmpty()) << folder.error().toStdString();
        ASSERT_TRUE(db.ConnectDatabase(QString(), folder.database()));
        page.SetAddressFinder(&SomeLanAddress);
    }
};

} // namespace

TEST_F(CheckinPageRunnerTest, TheWindowServesThePageWithItsOwnConnectionAndSharesTheToken)
{
    QString error;
    ASSERT_TRUE(page.StartPage(0, &error)) << error.toStdString();
    const QString url = page.PageUrl();
    EXPECT_TRUE(url.startsWith(QStringLiteral("http://192.0.2.7:"))) << url.toStdString();
    EXPECT_TRUE(QFile::exists(folder.path() + QStringLiteral("checkin-qr.png")));

    EXPECT_TRUE(PostCheckin(url, "id=E002&name=%E5%91%98%E5%B7%A52").contains("checked-in"));
    EXPECT_EQ(CheckinStore(db, QStringLiteral("desk")).CheckedInCount(), 1);

    // Stopped and started again (as serve-checkin would be): the same secret, the same address.
    page.StopPage();
    EXPECT_FALSE(page.IsServing());
    ASSERT_TRUE(page.StartPage(quint16(QUrl(url).port()), &error)) << error.toStdString();
    EXPECT_EQ(page.PageUrl(), url);
    EXPECT_TRUE(PostCheckin(url, "id=E002&name=%E5%91%98%E5%B7%A52").contains("already"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
}

TEST_F(CheckinPageRunnerTest, ATakenPortOrNoNetworkIsToldAndTheSettingStaysOff)
{
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::Any, 0));
    CheckinPageSettings settings;
    settings.port = other.serverPort();
    const QString config = folder.path() + QLatin1String(EventSettings::FileName);
    ASSERT_TRUE(settings.Write(config));

    CDrawDlg window(db, folder.path());
    window.Checkin().SetPageHost(&page);
    window.Checkin().ServeAction().trigger();
    EXPECT_FALSE(page.IsServing());
    EXPECT_FALSE(window.Checkin().ServeAction().isChecked());
    EXPECT_FALSE(CheckinPageSettings::Read(config).serve);
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(QString::number(settings.port)))
        << messages.texts[0].toStdString();

    // A machine on no network: the page would open nowhere but here.
    other.close();
    page.SetAddressFinder([] { return QHostAddress(QHostAddress::LocalHost); });
    window.Checkin().ServeAction().trigger();
    EXPECT_FALSE(page.IsServing());
    ASSERT_EQ(messages.texts.size(), 2);
    EXPECT_TRUE(messages.texts[1].contains(QStringLiteral("局域网")))
        << messages.texts[1].toStdString();
    EXPECT_FALSE(CheckinPageSettings::Read(config).serve);
}
