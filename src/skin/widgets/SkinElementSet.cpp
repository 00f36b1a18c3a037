// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/SkinElementSet.h"

#include "skin/core/SkinDescription.h"
#include "skin/core/SkinFace.h"
#include "skin/widgets/CSkinButton.h"
#include "skin/widgets/CSkinProgress.h"
#include "skin/widgets/CSkinSlider.h"
#include "skin/widgets/CSkinText.h"

#include <QFontMetrics>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

// A skin font: size is the font's cell height in pixels (ascent plus descent), as skins give it;
// 0 keeps the face's default size and a negative size is the character height. A scaled face
// applies the same rule to the scaled height, so the text keeps within its scaled element.
QFont SkinFont(const SkinTextEntry& entry, double scale)
{
    QFont font(entry.fontFace);
    font.setWeight(entry.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(entry.italic);
    const int size = static_cast<int>(std::lround(entry.size * scale));
    if (size < 0) {
        font.setPixelSize(-size);
    } else if (size > 0) {
        font.setPixelSize(size);
        const int cell = QFontMetrics(font).height();
        if (cell > size) {
            font.setPixelSize(std::max(1, size * size / cell));
        }
    } else if (scale != 1.0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    return font;
}

template <class Element> void DestroyAll(std::vector<Element*>& elements)
{
    for (Element* element : elements) {
        delete element;
    }
    elements.clear();
}

template <class Element>
Element* FindByName(const std::vector<Element*>& elements, const QString& name)
{
    for (Element* element : elements) {
        if (element->Name() == name) {
            return element;
        }
    }
    return nullptr;
}

template <class Element> Element* ElementAt(const std::vector<Element*>& elements, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= elements.size()) {
        return nullptr;
    }
    return elements[static_cast<size_t>(index)];
}

} // namespace

SkinElementSet::~SkinElementSet()
{
    Clear();
}

void SkinElementSet::Clear()
{
    DestroyAll(m_buttons);
    DestroyAll(m_sliders);
    DestroyAll(m_texts);
    DestroyAll(m_progressBars);
}

void SkinElementSet::Create(const SkinDescription& description, QWidget* parent, double scale)
{
    for (const SkinButtonEntry& entry : description.Buttons()) {
        auto* button = new CSkinButton(entry.name, static_cast<int>(m_buttons.size()), parent);
        button->SetTooltipText(entry.tooltip, true);
        button->SetLatched(entry.latch);
        button->show();
        m_buttons.push_back(button);
    }
    for (const SkinTextEntry& entry : description.Texts()) {
        auto* text = new CSkinText(entry.name, static_cast<int>(m_texts.size()), parent);
        text->SetColour(entry.colour);
        text->SetLabelFont(SkinFont(entry, scale));
        text->SetText(entry.text, false);
        text->show();
        m_texts.push_back(text);
    }
    for (const SkinSliderEntry& entry : description.Sliders()) {
        auto* slider = new CSkinSlider(entry.name, static_cast<int>(m_sliders.size()), parent);
        slider->SetVertical(!entry.horizontal);
        slider->setRange(0, std::max(0, entry.maximum));
        slider->show();
        m_sliders.push_back(slider);
    }
    for (const SkinProgressEntry& entry : description.ProgressBars()) {
        auto* bar = new CSkinProgress(entry.name, static_cast<int>(m_progressBars.size()), parent);
        bar->SetTooltipText(entry.tooltip, true);
        bar->SetVertical(entry.vertical);
        bar->show();
        m_progressBars.push_back(bar);
    }
}

void SkinElementSet::Place(const SkinDescription& description, const QRect& bounds, double scale,
                           qreal dpr, const QPoint& offset, const SkinFaceCuts& cuts)
{
    // An element shows only what lies on the skin: its place is cut to the skin's rectangle, so
    // its size never exceeds the skin's.
    const auto place = [&bounds](const QRect& rect) { return rect.intersected(bounds); };
    const auto toWindow = [&](const QRect& rect) {
        return ScaledSkinRect(rect, scale).translated(offset);
    };
    const auto& buttons = description.Buttons();
    for (size_t i = 0; i < m_buttons.size() && i < buttons.size(); ++i) {
        const QRect rect = place(buttons[i].rect);
        m_buttons[i]->setGeometry(toWindow(rect));
        m_buttons[i]->SetSkinImages(ScaledSkinRect(rect, scale), cuts.main, cuts.over, cuts.down,
                                    cuts.disabled);
    }
    const auto& texts = description.Texts();
    for (size_t i = 0; i < m_texts.size() && i < texts.size(); ++i) {
        const QRect rect = place(texts[i].rect);
        m_texts[i]->setGeometry(toWindow(rect));
        m_texts[i]->SetSkinImages(ScaledSkinRect(rect, scale), cuts.main);
        m_texts[i]->SetLabelFont(SkinFont(texts[i], scale));
    }
    // Each thumb picture is decoded once, however many sliders name it.
    QHash<QString, QImage> thumbs;
    const auto thumb = [&](const QString& name) {
        const QString path = description.PicturePath(name);
        auto it = thumbs.find(path);
        if (it == thumbs.end()) {
            it = thumbs.insert(path, CSkinSlider::LoadThumb(path, scale, dpr));
        }
        return *it;
    };
    const auto& sliders = description.Sliders();
    for (size_t i = 0; i < m_sliders.size() && i < sliders.size(); ++i) {
        const QRect rect = place(sliders[i].rect);
        m_sliders[i]->setGeometry(toWindow(rect));
        m_sliders[i]->SetSkinImages(ScaledSkinRect(rect, scale), cuts.main, thumb(sliders[i].thumb),
                                    thumb(sliders[i].pressedThumb));
    }
    const auto& bars = description.ProgressBars();
    for (size_t i = 0; i < m_progressBars.size() && i < bars.size(); ++i) {
        const QRect rect = place(bars[i].rect);
        m_progressBars[i]->setGeometry(toWindow(rect));
        m_progressBars[i]->SetSkinImages(ScaledSkinRect(rect, scale), cuts.main, cuts.down);
    }
}

CSkinButton* SkinElementSet::FindButton(const QString& name) const
{
    return FindByName(m_buttons, name);
}

CSkinText* SkinElementSet::FindText(const QString& name) const
{
    return FindByName(m_texts, name);
}

CSkinButton* SkinElementSet::ButtonAt(int index) const
{
    return ElementAt(m_buttons, index);
}

CSkinSlider* SkinElementSet::SliderAt(int index) const
{
    return ElementAt(m_sliders, index);
}

CSkinText* SkinElementSet::TextAt(int index) const
{
    return ElementAt(m_texts, index);
}

CSkinProgress* SkinElementSet::ProgressAt(int index) const
{
    return ElementAt(m_progressBars, index);
}
