// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Helpers shared by the fuzz targets. A target defines LLVMFuzzerTestOneInput; it runs under
// libFuzzer in the fuzz build and under ReplayMain.cpp in the test suite. LLVMFuzzerInitialize,
// defined here, starts Qt for every target.
namespace FuzzSupport {

// Creates the application object once (image plugins, text codecs) and silences Qt's
// diagnostics, which would otherwise flood the fuzzer's output.
void StartQt(int* argc, char*** argv);

QByteArray Bytes(const std::uint8_t* data, std::size_t size);

// Writes bytes to this process's scratch file and returns its path, for entry functions that
// read a file by name. The file is rewritten on every call.
QString WriteScratchFile(const QByteArray& bytes, const QString& suffix = QString());

// Stops the run when an invariant of the code under test does not hold (a finding).
[[noreturn]] void Fail(const char* what);

} // namespace FuzzSupport

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            FuzzSupport::Fail(#condition);                                                         \
        }                                                                                          \
    } while (false)
