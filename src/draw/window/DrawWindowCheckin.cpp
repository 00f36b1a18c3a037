// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/DrawWindowCheckin.h"

#include "checkin/widgets/CheckinQrPanel.h"
#include "data/CAdoDatabase.h"
#include "data/CheckinPageSettings.h"
#include "draw/engine/DrawEngine.h"
#include "draw/engine/DrawHost.h"
#include "draw/wall/WallStyle.h"
#include "draw/window/CheckinPageHost.h"
#include "platform/core/MessageService.h"
#include "skin/widgets/CSkinDialog.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>

#include <algorithm>

DrawWindowCheckin::DrawWindowCheckin(CSkinDialog& window, DrawHost& host, DrawEngine& engine,
                                     CAdoDatabase& database, QString settingsFile)
    : QObject(&window), m_window(window), m_host(host), m_engine(engine), m_database(database),
      m_store(database, QString()), m_settingsFile(std::move(settingsFile)),
      m_panel(new CheckinQrPanel(&window)), m_tally(new QLabel(&window))
{
    m_panel->hide();
    m_tally->hide();
    m_tally->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_tally->setAttribute(Qt::WA_TransparentForMouseEvents);
    window.installEventFilter(this);
}

bool DrawWindowCheckin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (HandleKeyPress(key->key(), key->modifiers())) {
                return true;
            }
        } else if (event->type() == QEvent::Resize) {
            // After the window has laid its face out for the new size.
            QMetaObject::invokeMethod(this, &DrawWindowCheckin::Arrange, Qt::QueuedConnection);
        } else if (event->type() == QEvent::Show) {
            RefreshTally();
        }
    }
    return QObject::eventFilter(watched, event);
}

void DrawWindowCheckin::AddTo(QMenu& menu)
{
    m_serveAction =
        menu.addAction(tr("在局域网提供签到网页"), this, &DrawWindowCheckin::ToggleServing);
    m_serveAction->setCheckable(true);
    m_codeAction = menu.addAction(tr("显示签到二维码") + u'\t' +
                                      QKeySequence(CodeKey).toString(QKeySequence::NativeText),
                                  this, &DrawWindowCheckin::ToggleCode);
    m_codeAction->setCheckable(true);
    connect(&menu, &QMenu::aboutToShow, this, &DrawWindowCheckin::UpdateActions);
    UpdateActions();
}

void DrawWindowCheckin::SetPageHost(CheckinPageHost* host)
{
    m_page = host;
    const CheckinPageSettings settings = CheckinPageSettings::Read(m_settingsFile);
    // A failure is told and the page stays off for this session; the stored choice is left for
    // the next start, when the port may be free again.
    if (m_page && settings.serve && !m_page->IsServing()) {
        StartServing(settings.port);
    }
    UpdateActions();
}

bool DrawWindowCheckin::StartServing(quint16 port)
{
    QString error;
    if (!m_page->StartPage(port, &error)) {
        ShowMessage(tr("签到网页未能开启。") + u'\n' + error);
        return false;
    }
    return true;
}

void DrawWindowCheckin::ToggleServing()
{
    CheckinPageSettings settings = CheckinPageSettings::Read(m_settingsFile);
    if (!m_page) {
        UpdateActions();
        return;
    }
    if (m_page->IsServing()) {
        HideCode();
        m_page->StopPage();
        settings.serve = false;
    } else if (StartServing(settings.port)) {
        settings.serve = true;
    } else {
        UpdateActions();
        return;
    }
    QString error;
    if (!settings.Write(m_settingsFile, &error)) {
        m_host.ShowSysInfo(tr("无法保存签到网页的设置：%1").arg(error));
    }
    UpdateActions();
}

void DrawWindowCheckin::ToggleCode()
{
    if (IsCodeShown()) {
        HideCode();
        return;
    }
    if (!m_page || !m_page->IsServing()) {
        m_host.ShowSysInfo(tr("请先在菜单中开启签到网页"));
    } else if (m_engine.IsIdle() && !m_engine.IsRolling()) {
        m_panel->SetAddress(m_page->PageUrl());
        Arrange();
        m_panel->show();
        m_panel->raise();
    }
    UpdateActions();
}

void DrawWindowCheckin::HideCode()
{
    m_panel->hide();
    UpdateActions();
}

void DrawWindowCheckin::HideCodeIfRoundRuns()
{
    if (IsCodeShown() && !m_engine.IsIdle()) {
        HideCode();
    }
}

bool DrawWindowCheckin::IsCodeShown() const
{
    return m_panel->isVisible();
}

bool DrawWindowCheckin::HandleKeyPress(int key, Qt::KeyboardModifiers modifiers)
{
    if (key != CodeKey || modifiers != Qt::NoModifier) {
        return false;
    }
    ToggleCode();
    return true;
}

void DrawWindowCheckin::UpdateActions()
{
    if (!m_serveAction) {
        return;
    }
    const bool serving = m_page && m_page->IsServing();
    m_serveAction->setEnabled(m_page != nullptr);
    m_serveAction->setChecked(serving);
    m_codeAction->setEnabled(serving && (IsCodeShown() || m_engine.IsIdle()));
    m_codeAction->setChecked(IsCodeShown());
}

void DrawWindowCheckin::RefreshTally()
{
    // Only between rounds: a query never holds up the reels. A dialog over the window may be
    // in the middle of its own work on the database (an import) and shows its own figures.
    const QWidget* modal = QApplication::activeModalWidget();
    if (!m_engine.IsIdle() || m_engine.IsRolling() || (modal && modal != &m_window)) {
        return;
    }
    std::optional<CheckinTally> tally;
    {
        // Asked every few seconds: a failure waits for the next look rather than a box.
        const CAdoDatabase::QuietFailures quiet(m_database);
        tally = m_store.Tally();
    }
    if (!tally) {
        return;
    }
    const bool shown = tally->onlyCheckedIn || tally->checkedIn > 0;
    if (shown) {
        m_tally->setText(tr("已签到 %1 / %2").arg(tally->checkedIn).arg(tally->total));
        PlaceTally();
        m_tally->raise();
        if (IsCodeShown()) {
            m_panel->raise();
        }
    }
    m_tally->setVisible(shown);
}

void DrawWindowCheckin::ApplyColours()
{
    const WallStyle style = WallStyle::FromSkin(m_window.Description());
    // Opaque: the face's own texts must not show through the code.
    m_panel->SetColours(style.background.darker(330), style.accent, style.title);
    QPalette palette = m_tally->palette();
    palette.setColor(QPalette::WindowText, style.accent);
    m_tally->setPalette(palette);
}

QRect DrawWindowCheckin::Face() const
{
    const QRect face = m_window.FaceRegion().boundingRect();
    return face.isEmpty() ? m_window.rect() : face;
}

void DrawWindowCheckin::Arrange()
{
    // The skin is loaded before its first layout, and stays for the session.
    if (!m_coloured) {
        ApplyColours();
        m_coloured = true;
    }
    const QRect face = Face();
    // The code about half the face's height, with its caption and address around it.
    const int height = face.height() * 74 / 100;
    const int width = std::min(face.width() * 92 / 100, height * 13 / 10);
    m_panel->setGeometry(face.center().x() - width / 2, face.center().y() - height / 2, width,
                         height);
    QFont font = m_tally->font();
    font.setBold(true);
    font.setPixelSize(std::max(12, face.height() / 28));
    m_tally->setFont(font);
    PlaceTally();
}

void DrawWindowCheckin::PlaceTally()
{
    // Inside the face's frame, level with the menu button of the opposite corner: the window's
    // shape cuts off whatever lies outside it.
    const QRect face = Face();
    const QSize size = m_tally->sizeHint();
    const int right = face.right() - face.width() * 55 / 1000;
    const int middle = face.top() + face.height() * 96 / 1000;
    m_tally->setGeometry(right - size.width(), middle - size.height() / 2, size.width(),
                         size.height());
}
