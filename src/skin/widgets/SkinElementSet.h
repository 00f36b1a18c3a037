// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

class CSkinButton;
class CSkinProgress;
class CSkinSlider;
class CSkinText;
class QWidget;
class SkinDescription;

// The face's pictures as the elements cut them: scaled for the face and the screen's pixel
// density, and made ready for cutting so that every element shares their pixels.
struct SkinFaceCuts
{
    QImage main;
    QImage over;
    QImage down;
    QImage disabled;
};

// The controls a skinned window shows, one per element of its skin description, kept in
// creation order (an element's index is its position). The controls are children of the
// window; the set deletes them when it is cleared or destroyed.
class SkinElementSet
{
public:
    SkinElementSet() = default;
    SkinElementSet(const SkinElementSet&) = delete;
    SkinElementSet& operator=(const SkinElementSet&) = delete;
    ~SkinElementSet();

    // Creates the controls of description's elements on parent, with their fonts for scale;
    // their places and pictures follow with Place.
    void Create(const SkinDescription& description, QWidget* parent, double scale);
    void Clear();

    // Places every control at its element's rectangle, cut to bounds (the skin's rectangle), the
    // face scaled by scale and shown at offset, and gives it its pictures cut from cuts.
    void Place(const SkinDescription& description, const QRect& bounds, double scale, qreal dpr,
               const QPoint& offset, const SkinFaceCuts& cuts);

    const std::vector<CSkinButton*>& Buttons() const { return m_buttons; }
    const std::vector<CSkinSlider*>& Sliders() const { return m_sliders; }
    const std::vector<CSkinText*>& Texts() const { return m_texts; }
    const std::vector<CSkinProgress*>& ProgressBars() const { return m_progressBars; }

    // The first control named exactly name (case-sensitive), or null.
    CSkinButton* FindButton(const QString& name) const;
    CSkinText* FindText(const QString& name) const;

    // The control at an element index, or null when there is none.
    CSkinButton* ButtonAt(int index) const;
    CSkinSlider* SliderAt(int index) const;
    CSkinText* TextAt(int index) const;
    CSkinProgress* ProgressAt(int index) const;

private:
    std::vector<CSkinButton*> m_buttons;
    std::vector<CSkinSlider*> m_sliders;
    std::vector<CSkinText*> m_texts;
    std::vector<CSkinProgress*> m_progressBars;
};
