// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/FileChooser.h"
#include "support/TestDatabase.h"
#include "platform/widgets/WorkbookFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

namespace {

// The POSIX locks this process holds (the fifth field of /proc/locks is the owner's PID).
int LocksHeld()
{
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray pid = QByteArray::number(::getpid());
    int held = 0;
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 4 && fields[1] == "POSIX" && fields[4] == pid) {
            ++held;
        }
    }
    return held;
}

// Cancels the next file dialog half a second after it has listed folder and gathered the
// details of the files it shows (the moment a sniffing provider reads every file of the folder,
// shown or filtered out), and reports how many files it showed.
void CancelWhenListed(const QString& folder, int* shown)
{
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    auto* listedAt = new qint64(-1);
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* model = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
        const QModelIndex index = model ? model->index(folder) : QModelIndex();
        *shown = model ? model->rowCount(index) : 0;
        // The details come from a thread of the model's; they are in when every row has a type.
        bool detailed = *shown > 0;
        for (int row = 0; detailed && row < *shown; ++row) {
            detailed = !model->type(model->index(row, 0, index)).isEmpty();
        }
        if (detailed && *listedAt < 0) {
            *listedAt = clock->elapsed();
        }
        const bool done = *listedAt >= 0 && clock->elapsed() - *listedAt > 500;
        if (!done && clock->elapsed() < 10000) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        delete clock;
        delete listedAt;
        if (dialog) {
            dialog->reject();
        }
    });
    poll->start(50);
}

} // namespace

// Every file dialog the program shows lists the event folder (Data.db, its -wal and -shm, a
// recovery copy) without opening a file of it: SQLite's locks survive the dialog. Qt's own
// provider read the files to tell their types, and closing those descriptors dropped the locks.
TEST(FileChooser, ListingTheEventFolderLeavesTheDatabaseLocksInPlace)
{
    TestDatabase event;
    ASSERT_TRUE(event.ok()) << event.error().toStdString();
    event.Exec(QStringLiteral("insert into person(PersonID, PersonName, Company) values ('A1', 'Ann', '')"));
    ASSERT_GT(event.Count(QStringLiteral("select * from person")), 0);
    for (const char* name : {"Data.db.recovered-20261207-190000", "Persons.xlsx", "a.wav"}) {
        QFile file(event.folder() + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("SQLite format 3");
    }
    ASSERT_TRUE(QFile::exists(event.path() + QStringLiteral("-wal")));
    const int before = LocksHeld();
    ASSERT_GT(before, 0) << "the connection holds no lock to lose";

    const QString folder = QDir(event.folder()).absolutePath();
    const QString proposed = folder + QStringLiteral("/Prize1.xlsx");
    const std::vector<std::pair<const char*, std::function<void()>>> dialogs = {
        {"workbook import", [&] { WorkbookFileDialog::ChooseToOpen(nullptr, QString()); }},
        {"workbook export", [&] { WorkbookFileDialog::ChooseToSave(nullptr, proposed); }},
        {"wave file",
         [&] { FileChooser::Open(nullptr, QString(), QStringLiteral("*.wav (*.wav)")); }},
    };
    const QString current = QDir::currentPath();
    QDir::setCurrent(folder); // the import and the wave dialog start in the current folder
    for (const auto& [name, show] : dialogs) {
        int shown = 0;
        CancelWhenListed(folder, &shown);
        show();
        EXPECT_GT(shown, 0) << name << ": the dialog did not list the event folder";
        EXPECT_EQ(LocksHeld(), before) << name << " dropped the database's locks";
    }
    QDir::setCurrent(current);
}

// The workbook is written as .xlsx whatever name was typed: the name says so too.
TEST(WorkbookFileDialog, TheSavedNameEndsInXlsx)
{
    EXPECT_EQ(WorkbookFileDialog::SaveName("/e/Prize1.xlsx"), "/e/Prize1.xlsx");
    EXPECT_EQ(WorkbookFileDialog::SaveName("/e/Prize1.XLSX"), "/e/Prize1.XLSX");
    EXPECT_EQ(WorkbookFileDialog::SaveName("/e/Prize1.xls"), "/e/Prize1.xlsx");
    EXPECT_EQ(WorkbookFileDialog::SaveName("/e/Prize1"), "/e/Prize1.xlsx");
    EXPECT_EQ(WorkbookFileDialog::SaveName("/e/gala.2027"), "/e/gala.2027.xlsx");
}
