// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/EventSettings.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The event settings: company and theme (read from config.ini when the dialog opens), the
// background music and drawing sound with their wave files, auto-stop and the half-range rule of
// the draw. The caller hands in the settings it runs with; OK writes config.ini and closes only
// when the file was written, so the caller can then apply Settings().
class CBasicSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    // Asks for a file to open: the owner window and the filter list; empty when cancelled.
    using FileChooser = std::function<QString(QWidget* owner, const QString& filter)>;

    // The file dialog's filters.
    static const QString& WaveFilter();

    CBasicSettingsDlg(const QString& appDirectory, const EventSettings& current,
                      QWidget* parent = nullptr);

    // The settings as the dialog holds them: those handed in, with what the operator changed
    // taken in when OK was pressed.
    const EventSettings& Settings() const { return m_settings; }

    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    struct Controls
    {
        QLineEdit* company = nullptr;
        QLineEdit* theme = nullptr;
        QCheckBox* backgroundMusic = nullptr;
        QCheckBox* drawMusic = nullptr;
        QCheckBox* autoStop = nullptr;
        QCheckBox* halfRange = nullptr;
        QLineEdit* backgroundMusicFile = nullptr;
        QLineEdit* drawMusicFile = nullptr;
        QPushButton* browseBackgroundMusic = nullptr;
        QPushButton* browseDrawMusic = nullptr;
        QPushButton* ok = nullptr;
        QPushButton* cancel = nullptr;
    };
    const Controls& Ui() const { return m_ui; }

    // OK: takes the controls in and writes config.ini; a failed write is reported and the
    // dialog stays open with everything as typed.
    void accept() override;

private:
    void OnInitDialog();
    void OnBrowseBackgroundMusic();
    void OnBrowseDrawMusic();
    // Chooses a wave file into member and shows it in its own edit only: what the operator typed
    // into the other fields stays.
    void Browse(QString& member, QLineEdit* edit);
    void UpdateData(bool save);
    void BuildLayout();

    QString m_configPath;
    EventSettings m_settings; // what the caller handed in, and the result
    FileChooser m_chooseFile;
    Controls m_ui;

    QString m_strCompany;
    QString m_strTheme;
    int m_bBackgroundMusic = 0;
    int m_bDrawMusic = 0;
    int m_bAutoStop = 0;
    QString m_strBackgroundMusicFile;
    QString m_strDrawMusicFile;
    int m_bHalfRangeRule = 1;
};
