// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class ImportFailureModel;
class QLabel;
class QTreeView;

// The import's result window, always on top: the running totals and every rejected row with its
// reason. The participant dialog owns one, hidden until an import passes the header check; Enter,
// Escape and the close box hide it, and the next import shows it again.
class CImportResultDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CImportResultDlg(QWidget* parent = nullptr);

    // Empties the list and the three totals.
    void ResetResults();
    void SetCounts(int total, int imported, int rejected);
    // Appends a rejected row and scrolls it into view.
    void AddFailure(const QString& rowText, const QString& reason);
    // Appends many rejected rows at once, scrolling once.
    void AddFailures(const QList<QPair<QString, QString>>& failures);

    QTreeView& List() const { return *m_list; }
    const ImportFailureModel& Failures() const { return *m_failures; }
    QString TotalText() const { return m_strTotal; }
    QString ImportedText() const { return m_strImported; }
    QString RejectedText() const { return m_strRejected; }

private:
    void OnInitDialog();
    // Shows the three texts.
    void UpdateData();

    QTreeView* m_list = nullptr;
    ImportFailureModel* m_failures = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_imported = nullptr;
    QLabel* m_rejected = nullptr;
    QString m_strTotal;
    QString m_strImported;
    QString m_strRejected;
};
