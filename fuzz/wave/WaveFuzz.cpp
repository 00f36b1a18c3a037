// SPDX-License-Identifier: GPL-3.0-or-later
// The check a sound file passes before it reaches the audio output.
#include "support/FuzzSupport.h"
#include "platform/sound/WaveFormatCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path =
        FuzzSupport::WriteScratchFile(FuzzSupport::Bytes(data, size), QStringLiteral(".wav"));
    QString reason;
    const bool playable = WaveFormatCheck::IsPlayable(path, &reason);
    FUZZ_CHECK(playable == reason.isEmpty());
    return 0;
}
