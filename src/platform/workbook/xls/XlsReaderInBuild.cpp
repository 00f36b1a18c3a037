// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled into the programs of the build tree that read workbooks (tests, benchmarks): they lie
// far from the .xls reader program, so the environment names it, unless the caller named another.
#include <cstdlib>

namespace {

[[maybe_unused]] const int g_named = setenv("SORTILO_XLS_READER", SORTILO_XLS_READER_BUILT, 0);

} // namespace
