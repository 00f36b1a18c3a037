// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/WaveFormatCheck.h"
#include "platform/sound/WaveBytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace WaveBytes;

class WaveFormatCheckTest : public ::testing::Test
{
protected:
    QString Write(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QString::number(m_count++) + ".wav");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    bool Playable(const QByteArray& bytes) { return WaveFormatCheck::IsPlayable(Write(bytes)); }

    QTemporaryDir m_dir;
    int m_count = 0;
};

} // namespace

TEST_F(WaveFormatCheckTest, AcceptsWellFormedWaves)
{
    const QByteArray samples(96, '\x10'); // whole frames of every format below
    EXPECT_TRUE(Playable(Riff(Chunk("fmt ", Format()) + Chunk("data", samples))));
    EXPECT_TRUE(Playable(Riff(Chunk("fmt ", Format(1, 2, 48000, 32)) + Chunk("data", samples))));
    EXPECT_TRUE(Playable(Riff(Chunk("fmt ", Format(1, 8, 192000, 16)) + Chunk("data", samples))));
    EXPECT_TRUE(Playable(Riff(Chunk("fmt ", Format(1, 1, 8000, 8)) + Chunk("data", "x"))));
    // A format chunk with the extra size field, other even-sized chunks before the samples and
    // anything after them.
    EXPECT_TRUE(
        Playable(Riff(Chunk("LIST", "abcd") + Chunk("fmt ", Format() + Le16(0)) +
                      Chunk("fact", "1234") + Chunk("data", samples) + Chunk("LIST", "abc"))));
    EXPECT_TRUE(WaveFormatCheck::IsPlayable(SORTILO_SOURCE_DIR "/res/Sound/sound1.wav"));
    EXPECT_TRUE(WaveFormatCheck::IsPlayable(SORTILO_SOURCE_DIR "/res/Sound/sound2.wav"));
}

TEST_F(WaveFormatCheckTest, RefusesWhatTheDecoderWouldChokeOn)
{
    const QByteArray samples(96, '\x10');
    const QByteArray good = Riff(Chunk("fmt ", Format()) + Chunk("data", samples));
    EXPECT_FALSE(Playable(""));
    EXPECT_FALSE(Playable("RIFF"));
    EXPECT_FALSE(Playable("not a wave at all, just some text"));
    EXPECT_FALSE(Playable(good.left(30)));              // cut inside the format
    EXPECT_FALSE(Playable(good.left(good.size() - 1))); // data runs past the end
    EXPECT_FALSE(Playable(Riff(Chunk("data", samples) + Chunk("fmt ", Format()))));
    EXPECT_FALSE(Playable(Riff(Chunk("fmt ", Format()))));
    EXPECT_FALSE(Playable(Riff(Chunk("data", samples))));
    EXPECT_FALSE(Playable(Riff(Chunk("fmt ", Format()) + Chunk("data", ""))));
    // The decoder skips no pad byte before the samples.
    EXPECT_FALSE(
        Playable(Riff(Chunk("LIST", "abc") + Chunk("fmt ", Format()) + Chunk("data", samples))));
    EXPECT_FALSE(Playable(Riff(Chunk("fmt ", Format() + "x") + Chunk("data", samples))));
    EXPECT_FALSE(Playable(Riff(Chunk("fmt ", Format().left(10)) + Chunk("data", samples))));
    // A chunk claiming four gigabytes.
    EXPECT_FALSE(Playable(Riff(Chunk("fmt ", Format()) + Chunk("data", samples, 0xFFFFFFF0))));
    EXPECT_FALSE(WaveFormatCheck::IsPlayable(m_dir.filePath("missing.wav")));
    EXPECT_FALSE(WaveFormatCheck::IsPlayable(m_dir.path()));

    const QString huge = Write(good);
    ASSERT_TRUE(QFile::resize(huge, WaveFormatCheck::MaxBytes + 1)); // sparse
    QString reason;
    EXPECT_FALSE(WaveFormatCheck::IsPlayable(huge, &reason));
    EXPECT_EQ(reason, "too large");
}

TEST_F(WaveFormatCheckTest, RefusesFormatsTheOutputCannotPlay)
{
    const QByteArray samples(96, '\x10');
    const auto reasonFor = [&](const QByteArray& format, const QByteArray& data) {
        QString reason;
        EXPECT_FALSE(WaveFormatCheck::IsPlayable(
            Write(Riff(Chunk("fmt ", format) + Chunk("data", data))), &reason));
        return reason;
    };
    // A 1 Hz file killed the process in the audio output; every rate outside the range goes.
    for (quint32 rate : {0u, 1u, 49u, 7999u, 192001u, 0xFFFFFFFFu}) {
        EXPECT_EQ(reasonFor(Format(1, 1, rate, 8), samples), "unsupported sample rate") << rate;
    }
    for (quint16 channels : {0, 9, 0xFFFF}) {
        EXPECT_EQ(reasonFor(Format(1, channels), samples), "unsupported channel count");
    }
    for (quint16 bits : {0, 4, 12, 24, 64}) {
        EXPECT_EQ(reasonFor(Format(1, 1, 22050, bits), samples), "unsupported sample size");
    }
    // ADPCM, float and the extensible layout do not decode.
    for (quint16 tag : {2, 3, 0xFFFE}) {
        EXPECT_EQ(reasonFor(Format(tag, 2, 44100, 32), samples), "not PCM samples") << tag;
    }
    // Samples ending inside a frame never finished loading and hung the next change of sound.
    EXPECT_EQ(reasonFor(Format(1, 1, 22050, 16), samples + "x"), "samples end inside a frame");
    EXPECT_EQ(reasonFor(Format(1, 2, 22050, 16), samples + "xy"), "samples end inside a frame");
}
