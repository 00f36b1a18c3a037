// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OperatorDialogs.h"
#include "draw/window/AppFolder.h"
#include "data/CAdoDatabase.h"
#include "registry/CBasicSettingsDlg.h"
#include "draw/window/CDrawDlg.h"
#include "registry/CPersonDlg.h"
#include "registry/CPrizeSettingsDlg.h"
#include "skin/widgets/CSkinText.h"
#include "draw/engine/DrawEngine.h"
#include "registry/PersonTableModel.h"
#include "support/RecordingMessageService.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Runs command id of the window's menu; while its modal dialog is open, act gets it.
template <typename Dialog>
bool RunCommand(CDrawDlg& window, int id, const std::function<void(Dialog&)>& act)
{
    bool reached = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dlg) {
            reached = true;
            act(*dlg);
            if (dlg->isVisible()) {
                dlg->reject();
            }
        }
    });
    for (QAction* action : window.ContextMenu().actions()) {
        if (action->data().toInt() == id) {
            action->trigger();
        }
    }
    return reached;
}

} // namespace

TEST(OperatorDialogs, TheMenuOpensTheDialogsAndSavedSettingsApplyAtOnce)
{
    RecordingMessageService messages;
    AppFolder folder(12);
    ASSERT_FALSE(folder.path().isEmpty()) << folder.error().toStdString();
    CAdoDatabase db;
    ASSERT_TRUE(db.ConnectDatabase(QString(), folder.database()));
    CDrawDlg window(db, folder.path());
    ConnectOperatorDialogs(window, db, folder.path());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_TRUE(RunCommand<CPersonDlg>(
        window, 32771, [](CPersonDlg& dlg) { EXPECT_EQ(dlg.Model().rowCount(), 12); }));
    EXPECT_TRUE(RunCommand<CPrizeSettingsDlg>(window, 32778, [](CPrizeSettingsDlg& dlg) {
        EXPECT_FALSE(dlg.StepEdit(1)->text().isEmpty());
    }));

    ASSERT_TRUE(window.Engine().HalfRangeRule());
    EXPECT_TRUE(RunCommand<CBasicSettingsDlg>(window, 32775, [](CBasicSettingsDlg& dlg) {
        dlg.Ui().company->setText(QStringLiteral("星辰科技"));
        dlg.Ui().halfRange->setChecked(false);
        dlg.Ui().ok->click();
    }));
    EXPECT_EQ(window.FindSkinText(QStringLiteral("ID_COMPANY"))->Text(),
              QStringLiteral("星辰科技"));
    EXPECT_FALSE(window.Engine().HalfRangeRule());
    EXPECT_EQ(EventSettings::Read(folder.path() + QStringLiteral("config.ini")).company,
              QStringLiteral("星辰科技"));
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'|').toStdString();
}
