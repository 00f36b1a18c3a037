// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// SIGTERM and SIGINT (a desktop's log-out, Ctrl+C in the terminal) end the program the way its
// close box does: the running event loops end and the normal clean-up runs (the database
// closes, the event folder is unlocked, a throw-away demo event is deleted). The handler only
// writes a byte to a pipe the user-interface thread watches. A second signal ends the process
// at once, for a clean-up that hangs.
namespace QuitSignals {

// Call once, after the application object exists; false (with a line on standard error) when
// the signals cannot be watched and keep their default effect.
bool Install();

} // namespace QuitSignals
