// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/CheckinAddress.h"
#include "checkin/web/CheckinQrCode.h"
#include "checkin/web/CheckinToken.h"
#include "checkin/web/GuessThrottle.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CheckinToken, IsRandomUrlSafeComparedWhollyAndKeptInItsFile)
{
    const QByteArray a = CheckinToken::Generate();
    EXPECT_TRUE(CheckinToken::IsWellFormed(a));
    EXPECT_NE(a, CheckinToken::Generate());
    EXPECT_TRUE(CheckinToken::Matches(a, a));
    EXPECT_FALSE(CheckinToken::Matches(a, a.first(21)));
    EXPECT_FALSE(CheckinToken::Matches(a, a + a));
    EXPECT_FALSE(CheckinToken::Matches({}, {}));
    EXPECT_FALSE(CheckinToken::IsWellFormed("AbCdEfGhIjKlMnOpQrSt/+"));

    QTemporaryDir dir;
    const QString file = dir.filePath("token");
    const QByteArray kept = CheckinToken::ReadOrCreate(file);
    EXPECT_TRUE(CheckinToken::IsWellFormed(kept));
    EXPECT_EQ(CheckinToken::ReadOrCreate(file), kept);
    EXPECT_EQ(QFile::permissions(file) & (QFile::ReadOther | QFile::ReadGroup), 0);
    // A damaged file gets a new token rather than an empty or a short one.
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("short\n");
    damaged.close();
    const QByteArray renewed = CheckinToken::ReadOrCreate(file);
    EXPECT_TRUE(CheckinToken::IsWellFormed(renewed));
    EXPECT_NE(renewed, kept);
}

TEST(GuessThrottle, ForgivesAfterTheWindowAndKeepsItsTableBounded)
{
    GuessThrottle::Limits limits;
    limits.RefusalsAllowed = 2;
    limits.Window = 1000;
    limits.FirstBlock = 100;
    limits.MaxBlock = 300;
    limits.Capacity = 3;
    GuessThrottle throttle(limits);
    const QHostAddress phone("192.168.1.20");
    throttle.RecordRefusal(phone, 0);
    EXPECT_EQ(throttle.WaitFor(phone, 1), 0);
    throttle.RecordRefusal(phone, 10);
    EXPECT_EQ(throttle.WaitFor(phone, 10), 100);
    EXPECT_EQ(throttle.WaitFor(QHostAddress("::ffff:192.168.1.20"), 60), 50);
    throttle.RecordRefusal(phone, 200);
    throttle.RecordRefusal(phone, 500);
    EXPECT_EQ(throttle.WaitFor(phone, 500), 300) << "doubling, up to the longest block";
    // A whole window after the last refusal, the address starts afresh.
    throttle.RecordRefusal(phone, 1600);
    EXPECT_EQ(throttle.WaitFor(phone, 1600), 0);
    // Addresses of one IPv6 /64 network count together.
    throttle.RecordRefusal(QHostAddress("fd00::1"), 0);
    throttle.RecordRefusal(QHostAddress("fd00::2"), 1);
    EXPECT_GT(throttle.WaitFor(QHostAddress("fd00::3"), 2), 0);
    for (int i = 0; i < 50; ++i) {
        throttle.RecordRefusal(QHostAddress(QStringLiteral("10.0.0.%1").arg(i)), 2000 + i);
    }
    EXPECT_EQ(throttle.Size(), 3);
}

TEST(CheckinQrCode, DrawsTheAddressWithItsQuietBorder)
{
    const QString url =
        CheckinAddress::PageUrl(QHostAddress("192.168.1.5"), 8080, "AbCdEfGhIjKlMnOpQrStUv");
    EXPECT_EQ(url, "http://192.168.1.5:8080/c/AbCdEfGhIjKlMnOpQrStUv");
    const QImage code = CheckinQrCode::Render(url, 4);
    ASSERT_FALSE(code.isNull());
    EXPECT_EQ(code.width(), code.height());
    EXPECT_EQ(code.width() % 4, 0);
    // The border is white; the finder pattern's corner, just inside it, is dark.
    EXPECT_EQ(qGray(code.pixel(15, 15)), 255);
    EXPECT_EQ(qGray(code.pixel(16, 16)), 0);
    EXPECT_TRUE(CheckinQrCode::Render(QString()).isNull());
    EXPECT_TRUE(CheckinQrCode::Render(QString(8000, u'x')).isNull());
}
