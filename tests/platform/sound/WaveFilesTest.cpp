// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped wave files: the formats Qt's sound effect plays, a loop that repeats without a
// click, no clipping, no silent stretch.
#include <QDataStream>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Wave
{
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<qint16> samples;
    double Seconds() const { return rate > 0 ? double(samples.size()) / rate : 0.0; }
};

// Reads a 16-bit PCM wave; an empty result for anything else.
Wave ReadWave(const QString& path)
{
    Wave wave;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return wave;
    }
    const QByteArray all = f.readAll();
    if (all.size() < 12 || !all.startsWith("RIFF") || all.mid(8, 4) != "WAVE") {
        return wave;
    }
    QDataStream in(all);
    in.setByteOrder(QDataStream::LittleEndian);
    in.skipRawData(12);
    while (!in.atEnd()) {
        char id[4];
        quint32 size = 0;
        if (in.readRawData(id, 4) != 4) {
            break;
        }
        in >> size;
        const QByteArray chunk(id, 4);
        if (chunk == "fmt ") {
            quint16 format = 0, channels = 0, align = 0, bits = 0;
            quint32 rate = 0, byteRate = 0;
            in >> format >> channels >> rate >> byteRate >> align >> bits;
            in.skipRawData(int(size) - 16);
            if (format != 1) {
                return {};
            }
            wave.channels = channels;
            wave.rate = int(rate);
            wave.bits = bits;
        } else if (chunk == "data") {
            wave.samples.resize(size / 2);
            for (auto& s : wave.samples) {
                in >> s;
            }
        } else {
            in.skipRawData(int(size));
        }
    }
    return wave;
}

QString Shipped(const char* name)
{
    return QStringLiteral(SORTILO_SOURCE_DIR "/res/Sound/") + QLatin1String(name);
}

double Rms(const std::vector<qint16>& s, std::size_t from, std::size_t count)
{
    double sum = 0;
    for (std::size_t i = from; i < from + count && i < s.size(); ++i) {
        sum += double(s[i]) * s[i];
    }
    return std::sqrt(sum / double(count));
}

} // namespace

TEST(WaveFiles, MusicIsAFestiveLengthLoopThatClosesOnItself)
{
    const Wave music = ReadWave(Shipped("sound1.wav"));
    ASSERT_EQ(music.channels, 1);
    ASSERT_EQ(music.bits, 16);
    ASSERT_GT(music.rate, 0);
    EXPECT_GE(music.Seconds(), 10.0);
    EXPECT_LE(music.Seconds(), 30.0);

    const auto& s = music.samples;
    int peak = 0;
    for (qint16 v : s) {
        peak = std::max(peak, std::abs(int(v)));
    }
    EXPECT_LT(peak, 32767 * 0.95); // headroom, no clipping
    EXPECT_GT(peak, 32767 * 0.5);
    // The loop point: the end fades to silence and the start rises from it.
    EXPECT_EQ(s.front(), 0);
    EXPECT_LE(std::abs(int(s.back())), 30);
    EXPECT_LE(std::abs(int(s.back()) - int(s.front())), 30);
    EXPECT_LT(Rms(s, s.size() - 20, 20), 50.0); // the last millisecond
    // Every second of it sounds: no silent stretch inside the loop.
    for (std::size_t second = 0; second + music.rate <= s.size(); second += music.rate) {
        EXPECT_GT(Rms(s, second, std::size_t(music.rate)), 1500.0) << "second " << second;
    }
}

TEST(WaveFiles, TickIsShortAndStartsAndEndsInSilence)
{
    const Wave tick = ReadWave(Shipped("sound2.wav"));
    ASSERT_EQ(tick.bits, 16);
    ASSERT_FALSE(tick.samples.empty());
    EXPECT_LT(tick.Seconds(), 0.1); // shorter than the gap between two stopping reels
    EXPECT_EQ(tick.samples.front(), 0);
    EXPECT_LE(std::abs(int(tick.samples.back())), 30);
}

TEST(WaveFiles, BothAreStagedIntoTheApplicationFolder)
{
    for (const char* name : {"sound1.wav", "sound2.wav"}) {
        const QFileInfo staged(QStringLiteral(SORTILO_DIST_DIR "/Sound/") + QLatin1String(name));
        EXPECT_TRUE(staged.isFile()) << name;
        EXPECT_EQ(staged.size(), QFileInfo(Shipped(name)).size()) << name;
    }
}
