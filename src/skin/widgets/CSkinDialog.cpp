#include "CSkinDialog.h"

#include "BitmapToRegion.h"
#include "CSkinButton.h"
#include "CSkinProgress.h"
#include "CSkinSlider.h"
#include "CSkinText.h"
#include "MessageService.h"
#include "SkinPictures.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

const QString ErrorCaption = QStringLiteral("Hata");

// A skin font: size is the font's cell height in pixels (ascent plus descent), as skins give it;
// 0 keeps the face's default size and a negative size is the character height.
QFont SkinFont(const SkinTextEntry& entry)
{
    QFont font(entry.fontFace);
    font.setWeight(entry.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(entry.italic);
    if (entry.size < 0) {
        font.setPixelSize(-entry.size);
    } else if (entry.size > 0) {
        font.setPixelSize(entry.size);
        const int cell = QFontMetrics(font).height();
        if (cell > entry.size) {
            font.setPixelSize(std::max(1, entry.size * entry.size / cell));
        }
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
    DestroyAll(m_buttons);
    DestroyAll(m_sliders);
    DestroyAll(m_texts);
    DestroyAll(m_progressBars);
}

void CSkinDialog::LoadSkin()
{
    m_skinLoaded = true;
    FreeSkin();
    m_description.Load(m_skinPath);
    const SkinScreen& screen = m_description.Screen();

    m_mainPicture = LoadPictureFile(m_description.PicturePath(screen.main));
    const QImage mask = LoadPictureFile(m_description.PicturePath(screen.mask));
    // Without a mask the window keeps its size: a 0 x 0 window could not be seen or reached.
    if (!mask.isNull()) {
        setFixedSize(mask.size());
    }
    m_overPicture = LoadPictureFile(m_description.PicturePath(screen.over));
    m_downPicture = LoadPictureFile(m_description.PicturePath(screen.down));
    m_disabledPicture = LoadPictureFile(m_description.PicturePath(screen.disabled));

    SetRegionFromBitmap(mask);
    CreateElements();
    update();

    if (!m_description.Problems().isEmpty()) {
        MessageService::Current().Show(m_description.Problems().join(u'\n'), ErrorCaption,
                                       MessageService::Buttons::Ok);
    }
}

void CSkinDialog::CreateElements()
{
    for (const SkinButtonEntry& entry : m_description.Buttons()) {
        auto* button = new CSkinButton(entry.name, static_cast<int>(m_buttons.size()), this);
        button->setGeometry(entry.rect);
        button->SetSkinImages(entry.rect, m_mainPicture, m_overPicture, m_downPicture,
                              m_disabledPicture);
        button->SetTooltipText(entry.tooltip, true);
        button->SetLatched(entry.latch);
        button->show();
        m_buttons.push_back(button);
    }
    for (const SkinTextEntry& entry : m_description.Texts()) {
        auto* text = new CSkinText(entry.name, static_cast<int>(m_texts.size()), this);
        text->setGeometry(entry.rect);
        text->SetSkinImages(entry.rect, m_mainPicture);
        text->SetColour(entry.colour);
        text->SetLabelFont(SkinFont(entry));
        text->SetText(entry.text, false);
        text->show();
        m_texts.push_back(text);
    }
    for (const SkinSliderEntry& entry : m_description.Sliders()) {
        auto* slider = new CSkinSlider(entry.name, static_cast<int>(m_sliders.size()), this);
        slider->setGeometry(entry.rect);
        slider->SetVertical(!entry.horizontal);
        slider->setRange(0, std::max(0, entry.maximum));
        slider->SetSkinImages(entry.rect, m_mainPicture, m_description.PicturePath(entry.thumb),
                              m_description.PicturePath(entry.pressedThumb));
        slider->show();
        m_sliders.push_back(slider);
    }
    for (const SkinProgressEntry& entry : m_description.ProgressBars()) {
        auto* bar = new CSkinProgress(entry.name, static_cast<int>(m_progressBars.size()), this);
        bar->setGeometry(entry.rect);
        bar->SetSkinImages(entry.rect, m_mainPicture, m_downPicture);
        bar->SetTooltipText(entry.tooltip, true);
        bar->SetVertical(entry.vertical);
        bar->show();
        m_progressBars.push_back(bar);
    }
}

void CSkinDialog::SetRegionFromBitmap(const QImage& mask)
{
    const std::optional<QRegion> region = BitmapToRegion(mask, 0xFFFFFF, 0x101010);
    if (!region) {
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
    return FindByName(m_buttons, name);
}

CSkinText* CSkinDialog::FindSkinText(const QString& name) const
{
    return FindByName(m_texts, name);
}

void CSkinDialog::OnSkinButtonIndex(int index)
{
    if (CSkinButton* button = ElementAt(m_buttons, index)) {
        OnSkinButtonClick(button->Name());
    }
}

void CSkinDialog::OnSkinSliderIndex(int index, int scrollCode, int position)
{
    if (CSkinSlider* slider = ElementAt(m_sliders, index)) {
        OnSkinSliderScroll(slider->Name(), scrollCode, position);
    }
}

void CSkinDialog::OnSkinProgressIndex(int index)
{
    if (CSkinProgress* bar = ElementAt(m_progressBars, index)) {
        OnSkinProgressClick(bar->Name());
    }
}

void CSkinDialog::OnSkinTextIndex(int index)
{
    if (CSkinText* text = ElementAt(m_texts, index)) {
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
    QDialog::showEvent(event);
}

void CSkinDialog::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    if (m_mainPicture.width() < width() || m_mainPicture.height() < height()) {
        painter.fillRect(rect(), palette().window());
    }
    DrawBitmap(painter, m_mainPicture, rect());
}

void CSkinDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
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
