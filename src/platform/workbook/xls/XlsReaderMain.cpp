// SPDX-License-Identifier: GPL-3.0-or-later
// sortilo-xls-reader FILE: reads an .xls file and writes its sheets and cells to standard output
// (XlsStream); exits with 0 after a complete workbook, 1 after a refusal, anything else when it
// failed on the way. The program runs it for every .xls file, so that whatever the file makes
// the parsing library do (ask for gigabytes, crash) stays within this process and its limits.
#include "platform/workbook/xls/XlsExtract.h"
#include "platform/workbook/XlsStreamWriter.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <new>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The memory the reader may take on top of what it holds when it starts. A sheet of 65,536 rows
// and 256 columns, the most an .xls sheet can claim, takes the library about 270 MB.
constexpr rlim_t MemoryBytes = 512ULL * 1024 * 1024;
// Processor time in seconds: 65,536 rows (a 7 MB file) take a tenth of one.
constexpr rlim_t CpuSeconds = 10;

// The address space in use now. The budget is counted from there, so that a build with the
// address sanitizer (which reserves terabytes of address space at start) keeps the same budget.
rlim_t AddressSpaceInUse()
{
    unsigned long pages = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm) {
        if (std::fscanf(statm, "%lu", &pages) != 1) {
            pages = 0;
        }
        std::fclose(statm);
    }
    return rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE));
}

// Lowers a limit to value; a limit that is lower already (set by whoever started the program)
// stays.
bool Lower(int resource, rlim_t value)
{
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0) {
        return false;
    }
    limit.rlim_max = limit.rlim_max == RLIM_INFINITY ? value : std::min(limit.rlim_max, value);
    limit.rlim_cur = limit.rlim_max;
    return setrlimit(resource, &limit) == 0;
}

bool LimitSelf()
{
    return Lower(RLIMIT_AS, AddressSpaceInUse() + MemoryBytes) && Lower(RLIMIT_CPU, CpuSeconds) &&
           Lower(RLIMIT_CORE, 0);
}

} // namespace

#if defined(__SANITIZE_ADDRESS__)
// In a build with the address sanitizer: an allocation past the memory limit fails as it does
// without the sanitizer (the library then refuses the file), instead of ending the reader.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
}
// The library reads past a buffer of its own on some damaged files (through iconv) and leaks a
// few kilobytes when it refuses others; only it can mend them, and the build without the
// sanitizer reads such files the same. Faults of this program's own are still reported.
extern "C" const char* __asan_default_suppressions()
{
    return "interceptor_via_lib:libfreexl.so\n";
}
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfreexl.so\n";
}
extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
#endif

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sortilo-xls-reader FILE.xls\n");
        return 2;
    }
    if (!LimitSelf()) {
        std::perror("sortilo-xls-reader: setrlimit");
        return 3;
    }
    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return 3;
    }
    XlsStreamWriter writer(out);
    try {
        XlsExtract::Extract(QFile::decodeName(argv[1]), writer);
    } catch (const std::bad_alloc&) {
        writer.Fail(XlsStream::Failure::OutOfMemory, 0);
    }
    if (!writer.Flush()) {
        return 3;
    }
    return writer.Failed() ? 1 : 0;
}
