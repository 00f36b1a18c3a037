// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class QSoundEffect;

// The two sounds of the draw window: looping background music and the short drawing sound
// played as a reel stops. Every failure (no audio device, a missing or unreadable file) means
// silence: nothing is reported, nothing blocks.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    // The pause that follows each drawing sound. It spaces the reel stops so that the ticks
    // never run into each other.
    static constexpr int DrawingPauseMs = 80;

    // The pause runs on the caller's thread. By default it blocks for DrawingPauseMs: that holds
    // the reel timers too, which is the point (a nested event loop would let the next reel stop
    // inside the pause). A window may install a function that suspends its reel timers instead.
    using PauseFunction = std::function<void(int ms)>;

    // hasOutput is normally taken from the system's audio outputs; tests pass it.
    explicit SoundPlayer(QObject* parent = nullptr);
    SoundPlayer(bool hasOutput, QObject* parent);
    ~SoundPlayer() override;

    bool HasOutput() const { return m_hasOutput; }
    void SetPauseFunction(PauseFunction pause);

    // Plays the file over and over from its start; a second call restarts it (with the same or
    // another file).
    void StartMusic(const QString& path);
    void StopMusic();
    // True between StartMusic and StopMusic or the next drawing sound.
    bool IsMusicOn() const { return m_musicOn; }
    QString MusicPath() const { return m_musicPath; }

    // Ends the music, starts the drawing sound without waiting for it, then pauses for
    // DrawingPauseMs.
    void PlayDrawingSound(const QString& path);

    // Plays a short answer sound at once (the check-in desk's), cutting the answer before it,
    // without touching the music and without a pause. Each file is loaded once and kept, so
    // an answer sounds without the delay of loading it.
    void PlayAnswer(const QString& path);
    // The last answer asked for, played or not (there may be no output).
    QString LastAnswer() const { return m_lastAnswer; }

private:
    static bool DetectOutput();
    // Points effect at path unless it already plays that file; false when path is not a wave
    // file the effect can decode (the effect is then emptied).
    static bool Load(QSoundEffect& effect, const QString& path);

    bool m_hasOutput = false;
    bool m_musicOn = false;
    QString m_musicPath;
    PauseFunction m_pause;
    std::unique_ptr<QSoundEffect> m_music;
    std::unique_ptr<QSoundEffect> m_drawing;
    std::map<QString, std::unique_ptr<QSoundEffect>> m_answers;
    QString m_lastAnswer;
};
