// SPDX-License-Identifier: GPL-3.0-or-later
// A skin description: the INI reader under the skin's value grammar (fields, numbers, rectangles,
// flags), and the grammar's functions on their own.
#include "support/FuzzSupport.h"
#include "platform/core/GbkText.h"
#include "skin/core/SkinDescription.h"

namespace {

bool WithinCoordinates(const QRect& rect)
{
    const auto inRange = [](int v) { return v >= -32768 && v <= 32767; };
    return inRange(rect.x()) && inRange(rect.y()) && inRange(rect.width()) &&
           inRange(rect.height());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = GbkText::DecodeFileText(FuzzSupport::Bytes(data, size));

    SkinDescription skin;
    skin.LoadText(text, QStringLiteral("/skin/"));
    FUZZ_CHECK(!skin.ReelRect().isEmpty() && WithinCoordinates(skin.ReelRect()));
    FUZZ_CHECK(skin.PicturePath(skin.Screen().mask).startsWith(QStringLiteral("/skin/")));
    for (const auto& button : skin.Buttons()) {
        FUZZ_CHECK(WithinCoordinates(button.rect));
    }
    for (const auto& entry : skin.Texts()) {
        FUZZ_CHECK(WithinCoordinates(entry.rect));
        FUZZ_CHECK(GbkText::ByteLength(entry.fontFace) <= 31);
    }
    for (const auto& slider : skin.Sliders()) {
        FUZZ_CHECK(WithinCoordinates(slider.rect));
    }
    for (const auto& bar : skin.ProgressBars()) {
        FUZZ_CHECK(WithinCoordinates(bar.rect));
    }

    // The whole input as one entry value.
    QString value = text;
    FUZZ_CHECK(WithinCoordinates(SkinDescription::ParseRect(value)));
    SkinDescription::ParseNumber(text);
    QString rest = text;
    const QString first = SkinDescription::NextField(rest);
    FUZZ_CHECK(rest.size() < text.size() || (first == text && rest == text));
    return 0;
}
