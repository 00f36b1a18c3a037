// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/CBasicSettingsDlg.h"

#include "platform/widgets/FileChooser.h"

#include "platform/core/MessageService.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QString& CBasicSettingsDlg::WaveFilter()
{
    static const QString filter = QStringLiteral("*.wav (*.wav);;*.* (*)");
    return filter;
}

CBasicSettingsDlg::CBasicSettingsDlg(const QString& appDirectory, const EventSettings& current,
                                     QWidget* parent)
    : QDialog(parent), m_configPath(appDirectory + QLatin1String(EventSettings::FileName)),
      m_settings(current), m_chooseFile([](QWidget* owner, const QString& filter) {
          return ::FileChooser::Open(owner, QString(), filter);
      })
{
    // The caller's values; company and theme come from the file.
    m_bBackgroundMusic = current.bMusic1 != 0;
    m_bDrawMusic = current.bMusic2 != 0;
    m_bAutoStop = current.autoStop != 0;
    m_strBackgroundMusicFile = current.music1;
    m_strDrawMusicFile = current.music2;
    m_bHalfRangeRule = current.halfRangeRule != 0;
    BuildLayout();
    OnInitDialog();
}

void CBasicSettingsDlg::BuildLayout()
{
    setWindowTitle(tr("基本信息设定"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    m_ui.company = new QLineEdit(this);
    m_ui.theme = new QLineEdit(this);
    m_ui.backgroundMusic = new QCheckBox(tr("背景音乐"), this);
    m_ui.drawMusic = new QCheckBox(tr("抽取音乐"), this);
    m_ui.autoStop = new QCheckBox(tr("自动抽奖，即点击开始后不用按停止键"), this);
    m_ui.halfRange = new QCheckBox(tr("每隔一次只从名单前一半中抽取"), this);
    m_ui.halfRange->setToolTip(tr(
        "选中时，每第二次抽取只在尚未中奖名单的前一半中进行，前一半人员的中奖机会是后一半的三倍。"
        "取消选中，则每次抽取人人机会均等。"));
    m_ui.backgroundMusicFile = new QLineEdit(this);
    m_ui.drawMusicFile = new QLineEdit(this);
    for (QLineEdit* path : {m_ui.backgroundMusicFile, m_ui.drawMusicFile}) {
        path->setReadOnly(true);
        path->setMinimumWidth(200);
    }
    m_ui.browseBackgroundMusic = new QPushButton(QStringLiteral("..."), this);
    m_ui.browseDrawMusic = new QPushButton(QStringLiteral("..."), this);
    for (QPushButton* browse : {m_ui.browseBackgroundMusic, m_ui.browseDrawMusic}) {
        browse->setAutoDefault(false);
        browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    }
    connect(m_ui.browseBackgroundMusic, &QPushButton::clicked, this,
            &CBasicSettingsDlg::OnBrowseBackgroundMusic);
    connect(m_ui.browseDrawMusic, &QPushButton::clicked, this,
            &CBasicSettingsDlg::OnBrowseDrawMusic);

    m_ui.ok = new QPushButton(tr("保存"), this);
    m_ui.ok->setDefault(true);
    m_ui.cancel = new QPushButton(tr("取消"), this);
    m_ui.cancel->setAutoDefault(false);
    connect(m_ui.ok, &QPushButton::clicked, this, &CBasicSettingsDlg::accept);
    connect(m_ui.cancel, &QPushButton::clicked, this, &CBasicSettingsDlg::reject);

    auto* texts = new QGridLayout;
    texts->addWidget(new QLabel(tr("公司名称"), this), 0, 0);
    texts->addWidget(m_ui.company, 0, 1);
    texts->addWidget(new QLabel(tr("抽奖主题"), this), 1, 0);
    texts->addWidget(m_ui.theme, 1, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);

    auto* sounds = new QGridLayout;
    sounds->addWidget(m_ui.backgroundMusic, 0, 0);
    sounds->addWidget(m_ui.backgroundMusicFile, 0, 1);
    sounds->addWidget(m_ui.browseBackgroundMusic, 0, 2);
    sounds->addWidget(m_ui.drawMusic, 1, 0);
    sounds->addWidget(m_ui.drawMusicFile, 1, 1);
    sounds->addWidget(m_ui.browseDrawMusic, 1, 2);
    sounds->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_ui.ok);
    buttons->addWidget(m_ui.cancel);
    buttons->addStretch(1);

    auto* main = new QVBoxLayout(this);
    main->addLayout(texts);
    main->addWidget(line);
    main->addLayout(sounds);
    main->addWidget(m_ui.autoStop);
    main->addWidget(m_ui.halfRange);
    main->addLayout(buttons);
}

void CBasicSettingsDlg::OnInitDialog()
{
    // Company and theme with their defaults, cut to 255 bytes as the file is read.
    const EventSettings stored = EventSettings::Read(m_configPath);
    m_strCompany = stored.company;
    m_strTheme = stored.theme;
    UpdateData(false);
}

void CBasicSettingsDlg::UpdateData(bool save)
{
    if (save) {
        m_strCompany = m_ui.company->text();
        m_strTheme = m_ui.theme->text();
        m_bBackgroundMusic = m_ui.backgroundMusic->isChecked();
        m_bDrawMusic = m_ui.drawMusic->isChecked();
        m_bAutoStop = m_ui.autoStop->isChecked();
        m_strBackgroundMusicFile = m_ui.backgroundMusicFile->text();
        m_strDrawMusicFile = m_ui.drawMusicFile->text();
        m_bHalfRangeRule = m_ui.halfRange->isChecked();
    } else {
        m_ui.company->setText(m_strCompany);
        m_ui.theme->setText(m_strTheme);
        m_ui.backgroundMusic->setChecked(m_bBackgroundMusic != 0);
        m_ui.drawMusic->setChecked(m_bDrawMusic != 0);
        m_ui.autoStop->setChecked(m_bAutoStop != 0);
        m_ui.backgroundMusicFile->setText(m_strBackgroundMusicFile);
        m_ui.drawMusicFile->setText(m_strDrawMusicFile);
        m_ui.halfRange->setChecked(m_bHalfRangeRule != 0);
    }
}

void CBasicSettingsDlg::OnBrowseBackgroundMusic()
{
    Browse(m_strBackgroundMusicFile, m_ui.backgroundMusicFile);
}

void CBasicSettingsDlg::OnBrowseDrawMusic()
{
    Browse(m_strDrawMusicFile, m_ui.drawMusicFile);
}

void CBasicSettingsDlg::Browse(QString& member, QLineEdit* edit)
{
    const QString chosen = m_chooseFile(this, WaveFilter());
    if (chosen.isEmpty()) {
        return;
    }
    member = chosen;
    edit->setText(member);
}

void CBasicSettingsDlg::accept()
{
    UpdateData(true);
    EventSettings edited = m_settings;
    edited.company = m_strCompany;
    edited.theme = m_strTheme;
    edited.bMusic1 = m_bBackgroundMusic;
    edited.bMusic2 = m_bDrawMusic;
    edited.autoStop = m_bAutoStop;
    edited.music1 = m_strBackgroundMusicFile;
    edited.music2 = m_strDrawMusicFile;
    edited.halfRangeRule = m_bHalfRangeRule;
    QString error;
    if (!edited.Write(m_configPath, &error)) {
        ShowMessage(tr("设置未能保存：%1").arg(error));
        return;
    }
    m_settings = edited;
    QDialog::accept();
}
