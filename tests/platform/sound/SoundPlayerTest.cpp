// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundPlayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct PauseLog
{
    QList<int> pauses;
    SoundPlayer::PauseFunction Function()
    {
        return [this](int ms) { pauses << ms; };
    }
};

QString ShippedSound(const char* name)
{
    return QStringLiteral(SORTILO_SOURCE_DIR "/res/Sound/") + QLatin1String(name);
}

} // namespace

TEST(SoundPlayer, DrawingSoundEndsTheMusicAndPausesEachTime)
{
    for (bool output : {false, true}) {
        SoundPlayer player(output, nullptr);
        PauseLog log;
        player.SetPauseFunction(log.Function());
        player.StartMusic(ShippedSound("sound1.wav"));
        EXPECT_TRUE(player.IsMusicOn());
        EXPECT_EQ(player.MusicPath(), ShippedSound("sound1.wav"));
        EXPECT_TRUE(log.pauses.isEmpty()); // the music never pauses the caller

        player.PlayDrawingSound(ShippedSound("sound2.wav"));
        EXPECT_FALSE(player.IsMusicOn());
        player.PlayDrawingSound(ShippedSound("sound2.wav"));
        EXPECT_EQ(log.pauses, QList<int>({80, 80}));

        player.StartMusic(ShippedSound("sound1.wav")); // the winner sequence restarts it
        player.StartMusic(ShippedSound("sound1.wav")); // and again: a restart, not a second copy
        EXPECT_TRUE(player.IsMusicOn());
        player.StopMusic();
        EXPECT_FALSE(player.IsMusicOn());
    }
}

TEST(SoundPlayer, MissingOrBrokenFilesAreSilent)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString broken = dir.filePath("broken.wav");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF\xff\xff\xff\xffWAVEfmt garbage that is no wave at all");
    f.close();
    const QString truncated = dir.filePath("truncated.wav");
    ASSERT_TRUE(QFile::copy(ShippedSound("sound2.wav"), truncated));
    ASSERT_TRUE(QFile::resize(truncated, 30));

    // Effects are made even without a device here, so the failure paths of the effects run.
    SoundPlayer player(true, nullptr);
    PauseLog log;
    player.SetPauseFunction(log.Function());
    const QStringList paths = {dir.filePath("missing.wav"), broken, truncated, dir.path(), "",
                               "Sound\\sound2.wav"};
    for (const QString& path : paths) {
        player.StartMusic(path);
        player.PlayDrawingSound(path);
    }
    player.StopMusic();
    // The pause keeps the reels' pace even when nothing could be played.
    EXPECT_EQ(log.pauses.size(), paths.size());
}

TEST(SoundPlayer, DefaultPauseWaitsAndOutputFollowsTheSystem)
{
    SoundPlayer player;
    EXPECT_EQ(player.HasOutput(), !QMediaDevices::audioOutputs().isEmpty());
    SoundPlayer::PauseFunction none;
    player.SetPauseFunction(none); // no pause at all is allowed too
    player.PlayDrawingSound(ShippedSound("sound2.wav"));
    EXPECT_FALSE(player.IsMusicOn());
}
