// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

// What skin element controls report to the window that owns them. The controls find it as
// their parent widget; a parent that does not implement it simply hears nothing.
class SkinNotifications
{
public:
    // Trackbar scroll codes passed with slider reports.
    static constexpr int ThumbPosition = 4; // the thumb is being dragged
    static constexpr int EndTrack = 8;      // the drag or paging has ended

    virtual ~SkinNotifications() = default;

    virtual void OnSkinButtonIndex(int index) = 0;
    virtual void OnSkinSliderIndex(int index, int scrollCode, int position) = 0;
    virtual void OnSkinProgressIndex(int index) = 0;
    virtual void OnSkinTextIndex(int index) = 0;
    // name is empty for movement over the window's own background; point is in the client
    // coordinates of the widget that saw the movement.
    virtual void OnSkinMouseMove(const QString& name, const QPoint& point) = 0;

    // The window an element control reports to: its parent, when that listens.
    template <class Widget> static SkinNotifications* OwnerOf(const Widget* control)
    {
        return dynamic_cast<SkinNotifications*>(control->parentWidget());
    }
};
