#pragma once

#include <QString>

// Whether a file is a wave file the sound effects can decode: RIFF/WAVE with a "fmt " chunk
// (PCM, float or extensible; 8, 16 or 32 bits; 1 to 8 channels; a sample rate) followed by a
// complete, non-empty "data" chunk, and at most MaxBytes long.
//
// Checked before a file reaches the effect: Qt 6.4's sample cache never finishes a file it fails
// to decode, and the next change of the sound then waits for it forever.
struct WaveFormatCheck
{
    static constexpr qint64 MaxBytes = 100 * 1024 * 1024;

    // False with a short reason (for tests and diagnostics) when the file will not play.
    static bool IsPlayable(const QString& path, QString* reason = nullptr);
};
