// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/CSkinDialog.h"

#include "platform/core/MessageService.h"
#include "platform/widgets/WindowPosition.h"
#include "skin/core/BitmapToRegion.h"
#include "skin/core/SkinFace.h"
#include "skin/core/SkinPictures.h"
#include "skin/widgets/CSkinButton.h"
#include "skin/widgets/CSkinProgress.h"
#include "skin/widgets/CSkinSlider.h"
#include "skin/widgets/CSkinText.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

const QString ErrorCaption = QStringLiteral("Hata");

} // namespace

CSkinDialog::CSkinDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setMouseTracking(true);
    // The paint handler covers the whole window itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CSkinDialog::~CSkinDialog()
{
    FreeSkin();
}

void CSkinDialog::SetSkinPath(const QString& path)
{
    m_skinPath = path;
}

void CSkinDialog::FreeSkin()
{
    m_mainPicture = QImage();
    m_overPicture = QImage();
    m_downPicture = QImage();
    m_disabledPicture = QImage();
    m_maskPicture = QImage();
    m_faceMain = QImage();
    m_faceOver = QImage();
    m_faceDown = QImage();
    m_faceDisabled = QImage();
    m_elements.Clear();
}

void CSkinDialog::LoadSkin()
{
    m_skinLoaded = true;
    FreeSkin();
    // A description that could not be read gets one box of its own, not the mask's.
    const bool described = m_description.Load(m_skinPath);
    const SkinScreen& screen = m_description.Screen();

    // Pictures past their limits are left out (as missing ones are) and named in the box.
    // A file named by several keys is decoded once and shared.
    QStringList problems = m_description.Problems();
    QHash<QString, QImage> decoded;
    const auto load = [&](const QString& key) {
        const QString path = m_description.PicturePath(key);
        auto it = decoded.find(path);
        if (it == decoded.end()) {
            QString problem;
            it = decoded.insert(path, LoadPictureFile(path, nullptr, &problem));
            if (!problem.isEmpty()) {
                problems << problem;
            }
        }
        return *it;
    };
    m_mainPicture = load(screen.main);
    m_maskPicture = load(screen.mask);
    // Without a mask the window keeps its size: a 0 x 0 window could not be seen or reached.
    if (!m_maskPicture.isNull() && !m_presentation) {
        setFixedSize(m_maskPicture.size());
    }
    m_overPicture = load(screen.over);
    m_downPicture = load(screen.down);
    m_disabledPicture = load(screen.disabled);
    m_edgeColour = EdgeColourOf(m_mainPicture, m_maskPicture);

    if (described) {
        SetRegionFromBitmap(m_maskPicture);
    } else {
        clearMask();
    }
    if (m_presentation) {
        // The skin's own shape comes back with the window's own size.
        m_windowedShape = mask();
        m_windowedGeometry.setSize(m_maskPicture.isNull() ? m_windowedGeometry.size()
                                                          : m_maskPicture.size());
        clearMask();
    }
    // Places, pictures and fonts follow in LayoutFace.
    m_elements.Create(m_description, this, m_scale);
    m_faceDpr = 0;
    LayoutFace();
    update();

    if (!described) {
        ShowMessage(problems.join(u'\n'));
    } else if (!problems.isEmpty()) {
        MessageService::Current().Show(problems.join(u'\n'), ErrorCaption,
                                       MessageService::Buttons::Ok);
    }
}

QSize CSkinDialog::SkinSize() const
{
    return m_maskPicture.isNull() ? m_mainPicture.size() : m_maskPicture.size();
}

QRect CSkinDialog::ScaleRect(const QRect& rect, double factor)
{
    return ScaledSkinRect(rect, factor);
}

QRect CSkinDialog::SkinToWindow(const QRect& skinRect) const
{
    return ScaleRect(skinRect, m_scale).translated(m_faceOffset);
}

void CSkinDialog::LayoutFace()
{
    const QSize skin = SkinSize();
    double scale = 1.0;
    QPoint offset;
    if (m_presentation && !skin.isEmpty() && !size().isEmpty()) {
        scale = std::min(static_cast<double>(width()) / skin.width(),
                         static_cast<double>(height()) / skin.height());
        const QSize face = ScaleRect(QRect(QPoint(0, 0), skin), scale).size();
        offset = QPoint((width() - face.width()) / 2, (height() - face.height()) / 2);
    }
    const qreal dpr = devicePixelRatioF();
    if (scale == m_scale && offset == m_faceOffset && dpr == m_faceDpr) {
        return;
    }
    m_scale = scale;
    m_faceOffset = offset;
    m_faceDpr = dpr;

    // The pictures are scaled once, straight to the screen's pixels, and then cut 1:1.
    const double factor = scale * dpr;
    m_faceMain = ScaledPicture(m_mainPicture, factor, dpr);
    if (m_presentation) {
        m_faceMain = Shaped(m_faceMain, m_maskPicture, factor, m_edgeColour);
    }
    // The elements show only what lies on the skin's rectangle. The pictures are made ready
    // once so that every element shares their pixels instead of holding a copy of its own.
    const QRect bounds(QPoint(0, 0), skin.isEmpty() ? size() : skin);
    const QSize scaledBounds = ScaleRect(bounds, scale).size();
    // The farthest pixel CutBitmap reaches for a place inside the bounds.
    const QSize cutSize(qRound(scaledBounds.width() * dpr), qRound(scaledBounds.height() * dpr));
    SkinFaceCuts cuts;
    cuts.main = PreparedForCutting(m_faceMain, cutSize);
    m_faceOver = PreparedForCutting(ScaledPicture(m_overPicture, factor, dpr), cutSize);
    m_faceDown = PreparedForCutting(ScaledPicture(m_downPicture, factor, dpr), cutSize);
    m_faceDisabled = PreparedForCutting(ScaledPicture(m_disabledPicture, factor, dpr), cutSize);
    cuts.over = m_faceOver;
    cuts.down = m_faceDown;
    cuts.disabled = m_faceDisabled;

    const QSize face = ScaleRect(QRect(QPoint(0, 0), skin), scale).size();
    if (m_maskPicture.isNull()) {
        m_faceRegion = QRegion();
    } else {
        const QImage mask = scale == 1.0 ? m_maskPicture
                                         : m_maskPicture.scaled(face, Qt::IgnoreAspectRatio,
                                                                Qt::FastTransformation);
        bool tooComplex = false;
        m_faceRegion =
            BitmapToRegion(mask, 0xFFFFFF, 0x101010, 2000, MaxMaskRectangles, &tooComplex)
                .value_or(tooComplex ? QRegion(QRect(QPoint(0, 0), face)) : QRegion())
                .translated(offset);
    }

    m_elements.Place(m_description, bounds, scale, dpr, offset, cuts);
    OnSkinLayout();
    update();
}

void CSkinDialog::OnSkinLayout() {}

void CSkinDialog::SetPresentation(bool on)
{
    if (on == m_presentation) {
        return;
    }
    m_presentation = on;
    if (on) {
        m_windowedGeometry = geometry();
        m_windowedShape = mask();
        clearMask();
        const QScreen* where = screen();
        const QRect area = where ? where->geometry() : geometry();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setGeometry(area);
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setFixedSize(m_windowedGeometry.size());
        move(m_windowedGeometry.topLeft());
        if (m_windowedShape.isEmpty()) {
            clearMask();
        } else {
            setMask(m_windowedShape);
        }
    }
    m_faceDpr = 0; // the face is shaped differently even where the scale stays 1
    LayoutFace();
}

bool CSkinDialog::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::ScreenChangeInternal && m_skinLoaded) {
        LayoutFace();
    }
    return handled;
}

void CSkinDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_presentation) {
        LayoutFace();
    }
}

void CSkinDialog::SetRegionFromBitmap(const QImage& mask)
{
    bool tooComplex = false;
    const std::optional<QRegion> region =
        BitmapToRegion(mask, 0xFFFFFF, 0x101010, 2000, MaxMaskRectangles, &tooComplex);
    if (tooComplex) {
        // The display server could not take so many rectangles in one request (it would drop
        // the connection and end the program).
        clearMask();
        const QString file = m_description.PicturePath(m_description.Screen().mask);
        ShowMessage(tr("窗口形状图片 %1 过于复杂：它的形状需要 %2 个以上的矩形。窗口改为矩形显示。")
                        .arg(QDir::toNativeSeparators(file))
                        .arg(MaxMaskRectangles));
    } else if (!region) {
        clearMask();
        MessageService::Current().Show(QStringLiteral("Resimden Region Oluşturulamad"),
                                       ErrorCaption, MessageService::Buttons::Ok);
    } else if (region->isEmpty()) {
        // A window cannot take an empty shape (it would be invisible and could not be closed);
        // it stays rectangular.
        clearMask();
        MessageService::Current().Show(QStringLiteral("Region Oluşturulamad"), ErrorCaption,
                                       MessageService::Buttons::Ok);
    } else {
        setMask(*region);
    }
    update();
}

void CSkinDialog::EnableSkinButton(const QString& name, bool enable)
{
    if (CSkinButton* button = FindSkinButton(name)) {
        button->setEnabled(enable);
    }
}

void CSkinDialog::SetSkinText(const QString& name, const QString& text, bool centred)
{
    if (CSkinText* label = FindSkinText(name)) {
        label->SetText(text, centred);
    }
}

CSkinButton* CSkinDialog::FindSkinButton(const QString& name) const
{
    return m_elements.FindButton(name);
}

CSkinText* CSkinDialog::FindSkinText(const QString& name) const
{
    return m_elements.FindText(name);
}

void CSkinDialog::OnSkinButtonIndex(int index)
{
    if (CSkinButton* button = m_elements.ButtonAt(index)) {
        OnSkinButtonClick(button->Name());
    }
}

void CSkinDialog::OnSkinSliderIndex(int index, int scrollCode, int position)
{
    if (CSkinSlider* slider = m_elements.SliderAt(index)) {
        OnSkinSliderScroll(slider->Name(), scrollCode, position);
    }
}

void CSkinDialog::OnSkinProgressIndex(int index)
{
    if (CSkinProgress* bar = m_elements.ProgressAt(index)) {
        OnSkinProgressClick(bar->Name());
    }
}

void CSkinDialog::OnSkinTextIndex(int index)
{
    if (CSkinText* text = m_elements.TextAt(index)) {
        OnSkinTextClick(text->Name());
    }
}

void CSkinDialog::OnSkinMouseMove(const QString& /*name*/, const QPoint& /*point*/) {}
void CSkinDialog::OnSkinProgressClick(const QString& /*name*/) {}
void CSkinDialog::OnSkinButtonClick(const QString& /*name*/) {}
void CSkinDialog::OnSkinSliderScroll(const QString& /*name*/, int /*scrollCode*/, int /*position*/)
{}
void CSkinDialog::OnSkinTextClick(const QString& /*name*/) {}

void CSkinDialog::OnInitDialog()
{
    // A window that loaded its skin before being shown keeps it (and the texts it has set).
    if (!m_skinLoaded && !m_skinPath.isEmpty() && QFileInfo::exists(m_skinPath)) {
        LoadSkin();
    }
}

void CSkinDialog::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    m_placementUnchecked = true;
    QDialog::showEvent(event);
}

void CSkinDialog::paintEvent(QPaintEvent* /*event*/)
{
    // The first paint after showing comes once the window is mapped, that is placed by the
    // window manager: from then on menus, dialogs, boxes and drags start from where it really
    // is (a manager that reparents a frameless window may not have said where it put it).
    if (std::exchange(m_placementUnchecked, false)) {
        QMetaObject::invokeMethod(
            this, [this] { WindowPosition::TakeFromServer(*this); }, Qt::QueuedConnection);
    }
    QPainter painter(this);
    if (m_presentation) {
        painter.fillRect(rect(), m_edgeColour);
    } else if (m_faceMain.deviceIndependentSize().width() < width() ||
               m_faceMain.deviceIndependentSize().height() < height()) {
        painter.fillRect(rect(), palette().window());
    }
    DrawBitmap(painter, m_faceMain, QRect(m_faceOffset, size()));
}

void CSkinDialog::mousePressEvent(QMouseEvent* event)
{
    // A window that fills the screen stays where it is.
    if (event->button() != Qt::LeftButton || m_presentation) {
        QDialog::mousePressEvent(event);
        return;
    }
    // Let the window system move the window when it can (it knows the screen edges and
    // snapping); otherwise follow the pointer ourselves.
    QWindow* handle = windowHandle();
    if (handle && handle->startSystemMove()) {
        return;
    }
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CSkinDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && event->buttons().testFlag(Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
    }
    QDialog::mouseMoveEvent(event);
    OnSkinMouseMove(QString(), event->position().toPoint());
}

void CSkinDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
    }
    QDialog::mouseReleaseEvent(event);
}
