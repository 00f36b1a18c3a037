// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class Workbook;

// Reads an Excel 97-2003 (.xls) file: sheet names and cell values, numbers as text by the
// workbook's rule, dates as the library writes them ("YYYY-MM-DD [HH:MM:SS]"). Formats are not
// read; a workbook read from .xls is saved as a plain .xlsx.
//
// The library that parses .xls (FreeXL) can be made by a damaged or hostile file to ask for
// gigabytes, read past its own buffers or crash, and it cannot be mended here. So it runs in a
// process of its own, the reader program (sortilo-xls-reader), limited in memory and processor
// time; its cells come back on its standard output (XlsStream) and are checked like a file's.
// A reader that crashes, is killed by its limits, outlives the time allowed or answers nonsense
// costs the program nothing but a message.
namespace XlsReader {

// The reader program's file name.
inline constexpr char HelperName[] = "sortilo-xls-reader";
// The environment variable that names the reader program, for programs run where it is not
// found by itself (the build tree's tests and benchmarks).
inline constexpr char HelperVariable[] = "SORTILO_XLS_READER";
// How long the reader may take before it is stopped, in milliseconds.
inline constexpr int DefaultTimeoutMs = 30000;

// Throws WorkbookError.
std::unique_ptr<Workbook> Read(const QString& path);

// The reader program to run: the one set with SetHelper, else the one the environment names,
// else the first found beside the running program, in ../libexec/sortilo from its folder, or in
// /usr/libexec/sortilo. Empty when there is none.
QString FindHelper();
// Runs path as the reader program instead (empty: find it again); for tests. Set before reading.
void SetHelper(const QString& path);
// Stops the reader after this many milliseconds instead of DefaultTimeoutMs; for tests.
void SetTimeout(int milliseconds);

} // namespace XlsReader
