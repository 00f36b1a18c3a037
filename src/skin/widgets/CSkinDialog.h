// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/core/SkinDescription.h"
#include "skin/core/SkinNotifications.h"
#include "skin/widgets/SkinElementSet.h"

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <vector>

// A frameless dialog dressed by a skin: the Mask picture gives its size and shape, Main is
// painted as its background, one child control is created per skin element, and the window can
// be dragged by any point of its background. Element events arrive as the virtual
// notifications below, carrying the element's name.
class CSkinDialog : public QDialog, public SkinNotifications
{
    Q_OBJECT

public:
    explicit CSkinDialog(QWidget* parent = nullptr);
    ~CSkinDialog() override;

    // Path of the skin description file, relative to the current directory or absolute.
    void SetSkinPath(const QString& path);
    const QString& SkinPath() const { return m_skinPath; }

    // Builds the skin from the description file, replacing any skin loaded before. A missing
    // file gives a window without pictures or elements.
    virtual void LoadSkin();

    // The first button / text element named exactly name (case-sensitive); no match does
    // nothing.
    void EnableSkinButton(const QString& name, bool enable);
    void SetSkinText(const QString& name, const QString& text, bool centred);

    // Presentation mode: the window fills the screen it is on, and the whole face (pictures,
    // shape, element rectangles and fonts) is scaled by one factor and centred on the skin's
    // edge colour. Switching it off gives back the skin's own size, shape and place.
    void SetPresentation(bool on);
    bool IsPresentation() const { return m_presentation; }
    // The face's scale factor (1 outside presentation) and its top-left corner in the window.
    double SkinScale() const { return m_scale; }
    QPoint FaceOffset() const { return m_faceOffset; }
    // A rectangle of the skin's layout in window coordinates, as the face is shown now.
    QRect SkinToWindow(const QRect& skinRect) const;
    // The face's shape (the mask's opaque part) in window coordinates, as shown now.
    const QRegion& FaceRegion() const { return m_faceRegion; }
    // The colour along the edge of the face; presentation fills the rest of the screen with it.
    QColor EdgeColour() const { return m_edgeColour; }
    // rect scaled by factor with each edge rounded, so neighbouring rectangles stay neighbours.
    static QRect ScaleRect(const QRect& rect, double factor);

    // Where the reel display goes: the skin's "Reel" place, or the default place.
    QRect ReelRect() const { return m_description.ReelRect(); }

    // The skin as loaded, and its elements in creation order (ElementIndex = position).
    const SkinDescription& Description() const { return m_description; }
    const std::vector<CSkinButton*>& SkinButtons() const { return m_elements.Buttons(); }
    const std::vector<CSkinSlider*>& SkinSliders() const { return m_elements.Sliders(); }
    const std::vector<CSkinText*>& SkinTexts() const { return m_elements.Texts(); }
    const std::vector<CSkinProgress*>& SkinProgressBars() const
    {
        return m_elements.ProgressBars();
    }
    CSkinButton* FindSkinButton(const QString& name) const;
    CSkinText* FindSkinText(const QString& name) const;

    // Element notifications: the index reports turn into the named ones below.
    void OnSkinButtonIndex(int index) override;
    void OnSkinSliderIndex(int index, int scrollCode, int position) override;
    void OnSkinProgressIndex(int index) override;
    void OnSkinTextIndex(int index) override;
    void OnSkinMouseMove(const QString& name, const QPoint& point) override;

protected:
    // Named notifications; the base versions do nothing.
    virtual void OnSkinProgressClick(const QString& name);
    virtual void OnSkinButtonClick(const QString& name);
    virtual void OnSkinSliderScroll(const QString& name, int scrollCode, int position);
    virtual void OnSkinTextClick(const QString& name);

    // Shapes the window from the mask (pure white is outside). Reports "Hata" boxes when no
    // region can be made or the window cannot take it, and then leaves the window rectangular.
    virtual void SetRegionFromBitmap(const QImage& mask);

    // Runs once, just before the window is first shown. The base loads the skin when the skin
    // path names an existing file and LoadSkin has not run yet; a derived window that loads its
    // skin itself need not call it.
    virtual void OnInitDialog();
    // Runs whenever the elements were placed anew (a loaded skin, a change of scale); a window
    // with controls of its own places them here with SkinToWindow. The base does nothing.
    virtual void OnSkinLayout();

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A move to a screen of another pixel density redraws the pictures for it.
    bool event(QEvent* event) override;
    // A left press on the background starts moving the window.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    const QImage& MainPicture() const { return m_mainPicture; }

private:
    void FreeSkin();
    // Scales the pictures and shape for the current mode, size and pixel density, and places
    // the elements.
    void LayoutFace();
    QSize SkinSize() const;

    SkinElementSet m_elements;
    QString m_skinPath;
    QImage m_mainPicture;
    QImage m_overPicture;
    QImage m_downPicture;
    QImage m_disabledPicture;
    QImage m_maskPicture;
    // The pictures as shown: scaled for the face and the screen's pixel density.
    QImage m_faceMain;
    QImage m_faceOver;
    QImage m_faceDown;
    QImage m_faceDisabled;
    double m_scale = 1.0;
    qreal m_faceDpr = 0; // pixel density the face pictures were made for
    QPoint m_faceOffset;
    QRegion m_faceRegion;
    QColor m_edgeColour;
    bool m_presentation = false;
    QRect m_windowedGeometry; // where the window was before presentation
    QRegion m_windowedShape;
    SkinDescription m_description;
    bool m_initialised = false;
    bool m_skinLoaded = false;
    bool m_placementUnchecked = false; // shown, and not yet placed where the server shows it
    bool m_dragging = false;
    QPoint m_dragOffset; // pointer position relative to the window's top-left while dragging
};
