// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/desk/CCheckinDlg.h"

#include "platform/sound/SoundPlayer.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The answers' colours: white text on green, amber and red, readable in a bright hall.
QString PanelStyle(CheckinDesk::Sound sound)
{
    const char* background = "#b3261e";
    if (sound == CheckinDesk::Sound::CheckedIn) {
        background = "#1e7b34";
    } else if (sound == CheckinDesk::Sound::AlreadyCheckedIn) {
        background = "#a15c00";
    }
    return QStringLiteral("QFrame#answer { background: %1; border-radius: 12px; } "
                          "QFrame#answer QLabel { color: white; }")
        .arg(QLatin1String(background));
}

QLabel* NewLabel(QWidget* parent, int pointSize, bool bold)
{
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setFocusPolicy(Qt::NoFocus);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

// How often the tally is read again.
constexpr int TallyMs = 3000;
constexpr int SoonMs = 500;

} // namespace

CCheckinDlg::CCheckinDlg(CAdoDatabase& database, const QString& appDirectory,
                         const QString& station, SoundPlayer* sound, QWidget* parent,
                         CheckinDesk::Clock clock)
    : QDialog(parent), m_desk(database, station, std::move(clock)), m_appDirectory(appDirectory),
      m_sound(sound)
{
    setWindowTitle(tr("签到台"));
    setMinimumSize(900, 620);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 32);
    layout->setSpacing(18);

    auto* top = new QHBoxLayout;
    QLabel* title = NewLabel(this, 22, true);
    title->setText(tr("签到台"));
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_tally = NewLabel(this, 22, true);
    m_tally->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(title);
    top->addWidget(m_tally, 1);
    layout->addLayout(top);

    QLabel* prompt = NewLabel(this, 16, false);
    prompt->setText(tr("请扫描二维码或条形码，或输入编号后按回车"));
    layout->addWidget(prompt);

    m_input = new QLineEdit(this);
    QFont inputFont = m_input->font();
    inputFont.setPointSize(32);
    m_input->setFont(inputFont);
    m_input->setAlignment(Qt::AlignCenter);
    m_input->setMaxLength(256);
    connect(m_input, &QLineEdit::returnPressed, this, &CCheckinDlg::TakeInput);
    layout->addWidget(m_input);

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("answer"));
    m_panel->setFocusPolicy(Qt::NoFocus);
    auto* panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(24, 24, 24, 24);
    m_name = NewLabel(m_panel, 60, true);
    m_status = NewLabel(m_panel, 44, true);
    m_detail = NewLabel(m_panel, 18, false);
    m_detail->setWordWrap(true);
    panelLayout->addWidget(m_name, 3);
    panelLayout->addWidget(m_status, 2);
    panelLayout->addWidget(m_detail, 1);
    m_panel->setVisible(false);
    layout->addWidget(m_panel, 1);

    m_tallyTimer = new QTimer(this);
    connect(m_tallyTimer, &QTimer::timeout, this, &CCheckinDlg::RefreshTally);
    RefreshTally();
    m_input->setFocus();
}

QString CCheckinDlg::NameText() const
{
    return m_name->text();
}

QString CCheckinDlg::StatusText() const
{
    return m_status->text();
}

QString CCheckinDlg::TallyText() const
{
    return m_tally->text();
}

void CCheckinDlg::accept()
{
    TakeInput();
}

void CCheckinDlg::TakeInput()
{
    // Enter: the number is taken and the input emptied before anything else, so the keys of
    // the next scan land in an empty input.
    const QString number = m_input->text();
    m_input->clear();
    if (number.trimmed().isEmpty()) {
        return;
    }
    Show(m_desk.Scan(number));
    m_input->setFocus();
}

void CCheckinDlg::Show(const CheckinDesk::Answer& answer)
{
    m_answer = answer;
    m_name->setText(answer.name);
    m_name->setVisible(!answer.name.isEmpty());
    m_status->setText(answer.status);
    m_detail->setText(answer.detail);
    m_panel->setStyleSheet(PanelStyle(answer.sound));
    m_panel->setVisible(true);
    if (m_sound) {
        m_sound->PlayAnswer(m_appDirectory + CheckinDesk::SoundFile(answer.sound));
    }
    // The tally is read again soon after a check-in, not at once: a count at 100,000
    // participants would hold up the next scan.
    if (answer.outcome == CheckinReply::Outcome::CheckedIn &&
        m_tallyTimer->remainingTime() > SoonMs) {
        m_tallyTimer->start(SoonMs);
    }
}

void CCheckinDlg::RefreshTally()
{
    m_tallyTimer->start(TallyMs);
    m_tally->setText(m_desk.Tally());
}
