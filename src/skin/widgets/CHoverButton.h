// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QString>

// A button drawn from four pictures (normal, hover, pressed, disabled). While the pointer is
// over it the button holds the mouse grab, so it sees the pointer leave even when it leaves
// onto another window; a press that began elsewhere does not make it hover.
class CHoverButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CHoverButton(QWidget* parent = nullptr);
    ~CHoverButton() override;

    // Sets the tooltip text and whether it shows; a null text leaves the tooltip as it is.
    void SetTooltipText(const QString& text, bool activate = true);
    QString TooltipText() const { return m_tooltipText; }

    // Latched buttons always draw the normal picture.
    void SetLatched(bool latched);
    bool IsLatched() const { return m_latched; }
    bool IsHover() const { return m_hover; }

    void SetImages(const QImage& normal, const QImage& hover, const QImage& pressed,
                   const QImage& disabled);
    const QImage& NormalImage() const { return m_normalImage; }
    const QImage& HoverImage() const { return m_hoverImage; }
    const QImage& PressedImage() const { return m_pressedImage; }
    const QImage& DisabledImage() const { return m_disabledImage; }
    // The picture the button draws in its present state.
    const QImage& CurrentImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    // Hover tracking for a pointer movement; derived controls call it from their own handler.
    void TrackHover(QMouseEvent* event);
    // Drops hover and the mouse grab (the pointer left, focus went, or the button was clicked).
    void LeaveHover();
    void SetHover(bool hover);

    QImage m_normalImage;
    QImage m_hoverImage;
    QImage m_pressedImage;
    QImage m_disabledImage;

private:
    QString m_tooltipText;
    bool m_latched = false;
    bool m_hover = false;
};
