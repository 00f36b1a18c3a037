// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundPlayer.h"

#include "platform/sound/WaveFormatCheck.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <algorithm>

SoundPlayer::SoundPlayer(QObject* parent) : SoundPlayer(DetectOutput(), parent) {}

SoundPlayer::SoundPlayer(bool hasOutput, QObject* parent)
    : QObject(parent), m_hasOutput(hasOutput),
      m_pause([](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); })
{
    // Without an output the effects are never made: Qt's sound effect can report "playing"
    // forever when there is no device, and nothing would be heard anyway.
    if (m_hasOutput) {
        m_music = std::make_unique<QSoundEffect>();
        m_music->setLoopCount(QSoundEffect::Infinite);
        m_drawing = std::make_unique<QSoundEffect>();
    }
}

SoundPlayer::~SoundPlayer()
{
    // Qt 6.4's sample cache deadlocks at program exit when a file is still being decoded: let
    // the loading finish first (bounded; only queued calls are delivered meanwhile, so no timer
    // or input of a window being torn down runs in here).
    const QDeadlineTimer deadline(2000);
    const auto loading = [](const std::unique_ptr<QSoundEffect>& effect) {
        return effect && effect->status() == QSoundEffect::Loading;
    };
    const auto anyLoading = [&] {
        return loading(m_music) || loading(m_drawing) ||
               std::any_of(m_answers.begin(), m_answers.end(),
                           [&](const auto& answer) { return loading(answer.second); });
    };
    while (anyLoading() && !deadline.hasExpired()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QThread::msleep(2);
    }
}

bool SoundPlayer::DetectOutput()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void SoundPlayer::SetPauseFunction(PauseFunction pause)
{
    m_pause = std::move(pause);
}

bool SoundPlayer::Load(QSoundEffect& effect, const QString& path)
{
    const QFileInfo info(path);
    // Only files the effect is sure to decode reach it (see WaveFormatCheck for why).
    if (path.isEmpty() || !info.isFile() || !WaveFormatCheck::IsPlayable(path)) {
        if (!effect.source().isEmpty()) {
            effect.setSource(QUrl());
        }
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (effect.source() != url) {
        effect.setSource(url);
    }
    return true;
}

void SoundPlayer::StartMusic(const QString& path)
{
    m_musicOn = true;
    m_musicPath = path;
    if (!m_music) {
        return;
    }
    m_music->stop();
    if (Load(*m_music, path)) {
        m_music->play(); // plays once loaded when the file is still loading
    }
}

void SoundPlayer::StopMusic()
{
    m_musicOn = false;
    if (m_music) {
        m_music->stop();
    }
}

void SoundPlayer::PlayDrawingSound(const QString& path)
{
    // One sound at a time: the drawing sound cuts the music, which the caller restarts later.
    StopMusic();
    if (m_drawing) {
        m_drawing->stop();
        if (Load(*m_drawing, path)) {
            m_drawing->play();
        }
    }
    if (m_pause) {
        m_pause(DrawingPauseMs);
    }
}

void SoundPlayer::PlayAnswer(const QString& path)
{
    m_lastAnswer = path;
    if (!m_hasOutput) {
        return;
    }
    for (auto& [file, effect] : m_answers) {
        effect->stop();
    }
    std::unique_ptr<QSoundEffect>& effect = m_answers[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
    }
    if (Load(*effect, path)) {
        effect->play();
    }
}
