// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/window/DrawWindowVoids.h"

#include "data/DrawLog.h"
#include "data/VoidStore.h"
#include "draw/engine/DrawEngine.h"
#include "draw/engine/DrawHost.h"
#include "draw/window/CVoidRoundDlg.h"
#include "platform/core/MessageService.h"

#include <QAction>
#include <QMenu>

DrawWindowVoids::DrawWindowVoids(QWidget& window, DrawHost& host, DrawEngine& engine,
                                 CAdoDatabase& database)
    : QObject(&window), m_window(window), m_host(host), m_engine(engine), m_database(database),
      m_choose([](QWidget* parent, const QList<PersonRow>& winners) -> std::optional<Choice> {
          CVoidRoundDlg dialog(winners, parent);
          if (dialog.exec() != QDialog::Accepted) {
              return std::nullopt;
          }
          return Choice{dialog.CheckedIds(), dialog.Reason()};
      })
{}

void DrawWindowVoids::AddTo(QMenu& menu)
{
    m_voidAction = menu.addAction(tr("作废本轮中奖者…"), this, &DrawWindowVoids::OnVoidRound);
    m_replacementAction = menu.addAction(QString(), this, &DrawWindowVoids::OnReplacementRound);
    connect(&menu, &QMenu::aboutToShow, this, &DrawWindowVoids::UpdateActions);
    UpdateActions();
}

void DrawWindowVoids::UpdateActions()
{
    const bool idle = m_engine.IsIdle() && !m_engine.IsRolling();
    m_voidAction->setEnabled(idle && !m_engine.LastRoundWinners().isEmpty());
    const int open = m_engine.OpenPlaces(m_engine.PrizeLevel());
    m_replacementAction->setText(tr("补抽空缺名额（%1）").arg(open));
    m_replacementAction->setEnabled(idle && open > 0);
}

void DrawWindowVoids::OnVoidRound()
{
    const QList<PersonRow> winners = m_engine.LastRoundWinners();
    if (!m_engine.IsIdle() || winners.isEmpty()) {
        return;
    }
    const std::optional<Choice> choice = m_choose(&m_window, winners);
    if (!choice || choice->personIds.isEmpty()) {
        return;
    }
    // Return keeps the wins: No is the default button.
    if (!ConfirmDestructive(tr("确定作废所选的 %1 位中奖者吗？他们的名额可以补抽。")
                                .arg(choice->personIds.size()))) {
        return;
    }
    VoidStore voids(m_database, DrawLog::Station());
    const QString time = m_now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QStringList refused;
    QStringList details;
    for (const QString& id : choice->personIds) {
        VoidRefusal refusal;
        if (!voids.Void(id, choice->reason, time, &refusal)) {
            refused.append(id);
            if (!refusal.detail.isEmpty()) {
                details.append(refusal.detail);
            }
        }
    }
    m_engine.VoidsChanged();
    const qsizetype done = choice->personIds.size() - refused.size();
    if (!refused.isEmpty()) {
        // Voided or cleared at another station meanwhile, or the database refused.
        m_host.ShowDetailedMessageBox(
            tr("%1 位中奖者未能作废：%2").arg(refused.size()).arg(refused.join(tr("、"))),
            details.join(u'\n'));
    }
    if (done > 0) {
        m_host.ShowSysInfo(tr("已作废 %1 位中奖者").arg(done));
    }
}

void DrawWindowVoids::OnReplacementRound()
{
    if (!m_engine.IsIdle() || m_engine.OpenPlaces(m_engine.PrizeLevel()) <= 0) {
        return;
    }
    // As Start does: Stop is what the operator presses next, unless the round was refused.
    m_host.EnableSkinButton(QStringLiteral("BUTTON_START"), false);
    m_host.EnableSkinButton(QStringLiteral("BUTTON_STOP"), true);
    m_engine.StartReplacementRound();
    if (m_engine.IsIdle() && !m_engine.IsRolling()) {
        m_host.EnableSkinButton(QStringLiteral("BUTTON_START"), true);
        m_host.EnableSkinButton(QStringLiteral("BUTTON_STOP"), false);
    }
}
