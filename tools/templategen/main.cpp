// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the two workbook templates of the application folder:
//   template1.xlsx  winners: a merged title, a note and the headings in rows 1 to 3
//   template2.xlsx  participants: the headings ID, NAME, MEMO in row 1 (the import's format)
// Both have one sheet, "sheet1". The files are the same on every run (fixed document date).
// Usage: sortilo_templategen OUTPUT_FOLDER
#include <cstdio>
#include <string>
#include <xlsxwriter.h>

namespace {

constexpr lxw_color_t HeadingFill = 0xDDE6F0;
constexpr lxw_color_t Rule = 0x7F8FA6;
constexpr lxw_color_t NoteText = 0x666666;

lxw_workbook* NewWorkbook(const std::string& path)
{
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) {
        return nullptr;
    }
    static lxw_doc_properties properties{};
    static char name[] = "Sortilo";
    properties.title = name;
    properties.author = name;
    properties.created = 1767225600; // 2026-01-01, so that every run writes the same file
    workbook_set_properties(workbook, &properties);
    return workbook;
}

lxw_format* HeadingFormat(lxw_workbook* workbook)
{
    lxw_format* format = workbook_add_format(workbook);
    format_set_bold(format);
    format_set_align(format, LXW_ALIGN_CENTER);
    format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    format_set_bg_color(format, HeadingFill);
    format_set_border(format, LXW_BORDER_THIN);
    format_set_border_color(format, Rule);
    format_set_bottom(format, LXW_BORDER_MEDIUM);
    return format;
}

bool Close(lxw_workbook* workbook, const std::string& path)
{
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), lxw_strerror(error));
        return false;
    }
    return true;
}

bool WriteWinnersTemplate(const std::string& path)
{
    lxw_workbook* workbook = NewWorkbook(path);
    if (!workbook) {
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "sheet1");

    lxw_format* title = workbook_add_format(workbook);
    format_set_bold(title);
    format_set_font_size(title, 18);
    format_set_align(title, LXW_ALIGN_CENTER);
    format_set_align(title, LXW_ALIGN_VERTICAL_CENTER);
    lxw_format* note = workbook_add_format(workbook);
    format_set_font_size(note, 9);
    format_set_font_color(note, NoteText);
    format_set_align(note, LXW_ALIGN_CENTER);
    lxw_format* heading = HeadingFormat(workbook);

    static const struct
    {
        const char* text;
        double width;
    } columns[] = {{"奖项", 10},     {"名次", 8},  {"编号", 14}, {"姓名", 16},
                   {"中奖时间", 22}, {"奖品", 24}, {"备注", 28}};
    constexpr lxw_col_t lastColumn = sizeof columns / sizeof columns[0] - 1;

    worksheet_set_row(sheet, 0, 36, nullptr);
    worksheet_merge_range(sheet, 0, 0, 0, lastColumn, "中奖名单", title);
    worksheet_set_row(sheet, 1, 18, nullptr);
    worksheet_merge_range(sheet, 1, 0, 1, lastColumn, "按奖项、名次与中奖时间排列", note);
    worksheet_set_row(sheet, 2, 22, nullptr);
    for (lxw_col_t c = 0; c <= lastColumn; ++c) {
        worksheet_set_column(sheet, c, c, columns[c].width, nullptr);
        worksheet_write_string(sheet, 2, c, columns[c].text, heading);
    }
    worksheet_freeze_panes(sheet, 3, 0);
    worksheet_repeat_rows(sheet, 0, 2);
    worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    return Close(workbook, path);
}

bool WriteParticipantsTemplate(const std::string& path)
{
    lxw_workbook* workbook = NewWorkbook(path);
    if (!workbook) {
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "sheet1");
    lxw_format* heading = HeadingFormat(workbook);
    static const struct
    {
        const char* text;
        double width;
    } columns[] = {{"ID", 14}, {"NAME", 20}, {"MEMO", 36}};
    worksheet_set_row(sheet, 0, 22, nullptr);
    for (lxw_col_t c = 0; c < 3; ++c) {
        worksheet_set_column(sheet, c, c, columns[c].width, nullptr);
        worksheet_write_string(sheet, 0, c, columns[c].text, heading);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_repeat_rows(sheet, 0, 0);
    worksheet_fit_to_pages(sheet, 1, 0);
    return Close(workbook, path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const bool ok = WriteWinnersTemplate(folder + "template1.xlsx") &&
                    WriteParticipantsTemplate(folder + "template2.xlsx");
    return ok ? 0 : 1;
}
