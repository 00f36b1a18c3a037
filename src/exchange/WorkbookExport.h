// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class CAdoDatabase;

// Writes the participants or the winners into a new workbook made from a template beside the
// program and saves it where the operator chose. The file at that path is replaced only once
// the new workbook is completely written: a failure at any step leaves an old file as it was.
// Failures are shown as message boxes; the database layer shows its own.
class WorkbookExport
{
public:
    // The progress bar: Begin (number of records) before the first row, Step (rows written)
    // after each, End before the save.
    struct Progress
    {
        std::function<void(int count)> Begin;
        std::function<void(int written)> Step;
        std::function<void()> End;
    };

    enum class Outcome
    {
        Saved,
        CannotReplace, // the chosen path is a folder or a file that may not be written
        NoServer,
        QueryFailed,
        Failed // a spreadsheet call failed (template missing, save refused); shown to the operator
    };

    // Table person in number order into the template "template2": rows 2 on, columns ID, name,
    // remark.
    static Outcome ExportParticipants(CAdoDatabase& database, const QString& appDirectory,
                                      const QString& path, const Progress& progress = {});
    // The winners by level, place and time into the template "template1", its sheet renamed
    // "Prize": rows 4 on, seven columns, each value with the blanks its column puts in front.
    static Outcome ExportWinners(CAdoDatabase& database, const QString& appDirectory,
                                 const QString& path, const Progress& progress = {});

    // The template workbook name (without extension) as the spreadsheet engine is given it: in
    // the event folder when it carries its own copy, else the one shipped with the program.
    static QString TemplatePath(const QString& appDirectory, const char* name);
    // The template workbook file itself (with its extension) for the operator to open; empty
    // when neither the event folder nor the program carries one.
    static QString TemplateFile(const QString& appDirectory, const char* name);

    static constexpr const char* ParticipantTemplate = "template2";
    static constexpr const char* WinnerTemplate = "template1";
};
