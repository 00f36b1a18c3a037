// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether a file is a wave file the sound effects can decode and play: RIFF/WAVE with a plain
// PCM "fmt " chunk (8, 16 or 32 bits; 1 to 8 channels; 8,000 to 192,000 samples a second)
// followed by a complete, non-empty "data" chunk of whole frames, and at most MaxBytes long.
//
// Checked before a file reaches the effect, because Qt 6.4's multimedia code does not survive
// every file its own parser accepts:
//  - a sample rate below 50 Hz divides by zero in the audio output (the process dies of SIGFPE);
//  - samples that end inside a frame never finish loading, and the next change of the sound
//    (or the program's exit) then waits for them forever;
//  - 24-bit samples are read as 16-bit ones (noise at the wrong speed);
//  - float and extensible formats, and an odd-sized chunk before the samples (its pad byte is
//    not skipped), fail to decode.
// The limits are kept a little tighter than what was seen to work, to a range real sound files
// use.
struct WaveFormatCheck
{
    static constexpr qint64 MaxBytes = 100 * 1024 * 1024;
    static constexpr quint32 MinRate = 8000;
    static constexpr quint32 MaxRate = 192000;
    static constexpr int MaxChannels = 8;

    // False with a short reason (for tests and diagnostics) when the file will not play.
    static bool IsPlayable(const QString& path, QString* reason = nullptr);
};
