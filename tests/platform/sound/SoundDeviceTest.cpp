// SPDX-License-Identifier: GPL-3.0-or-later
// Sound through a real audio device: run by tests/support/run-with-null-sink.sh, which provides
// a private PulseAudio server with a null sink; skipped elsewhere so that a developer's speakers
// stay quiet. Only with a device does Qt open, decode and stream the files.
#include "platform/sound/SoundPlayer.h"
#include "platform/sound/WaveBytes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace WaveBytes;

namespace {

QString ShippedSound(const char* name)
{
    return QStringLiteral(SORTILO_SOURCE_DIR "/res/Sound/") + QLatin1String(name);
}

QString SinkInputs()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {"list", "short", "sink-inputs"});
    pactl.waitForFinished(5000);
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

// Runs the event loop for ms, or until until() holds.
void Pump(int ms, const std::function<bool()>& until = {})
{
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired() && !(until && until())) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

class SoundOnANullSink : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("SORTILO_NULL_SINK")) {
            GTEST_SKIP() << "needs the null sink of run-with-null-sink.sh";
        }
    }

    QString Write(const char* name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QLatin1String(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SoundOnANullSink, ShippedWavesReachTheDevice)
{
    SoundPlayer player;
    ASSERT_TRUE(player.HasOutput());
    player.SetPauseFunction({});
    player.StartMusic(ShippedSound("sound1.wav"));
    Pump(5000, [] { return SinkInputs().contains(QLatin1String("s16le 1ch 22050Hz")); });
    EXPECT_TRUE(SinkInputs().contains(QLatin1String("s16le 1ch 22050Hz"))) << "no music stream";
    player.PlayDrawingSound(ShippedSound("sound2.wav"));
    Pump(300);
    player.StartMusic(ShippedSound("sound1.wav"));
    Pump(300);
}

TEST_F(SoundOnANullSink, HostileWavesNeitherKillNorHangTheProgram)
{
    // A 1 Hz file divided by zero in the audio output; samples ending inside a frame never
    // finished loading, so the next change of sound and the player's teardown waited forever.
    const QStringList hostile = {
        Write("slow.wav",
              Riff(Chunk("fmt ", Format(1, 1, 1, 8)) + Chunk("data", QByteArray(64, '\x80')))),
        Write("torn.wav", Riff(Chunk("fmt ", Format(1, 2, 22050, 16)) +
                               Chunk("data", QByteArray(4002, '\x10')))),
    };
    {
        SoundPlayer player;
        ASSERT_TRUE(player.HasOutput());
        player.SetPauseFunction({});
        for (const QString& path : hostile) {
            player.StartMusic(path);
            player.PlayDrawingSound(path);
            Pump(500);
            player.StartMusic(ShippedSound("sound1.wav"));
            player.PlayDrawingSound(ShippedSound("sound2.wav"));
            Pump(300);
        }
    }
    SUCCEED() << "still alive";
}
