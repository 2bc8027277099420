#pragma once

#include <functional>

namespace app {
class SingleInstanceGuard;
}

namespace app::mMain {

// The guard that keeps a second copy out; released when the program ends.
void setInstanceGuard(app::SingleInstanceGuard *guard);

// Ends the program at once from anywhere, also from inside the splash loop and the results
// scroll: releases the single-copy guard and exits without running further event procedures.
// Settings writes are complete when WriteRegString returns, so nothing is pending.
[[noreturn]] void EndProgram(int exitCode = 0);

// Tests take over the end of the program with a handler that leaves by throwing; should the
// handler return, the program ends anyway. Returns the previous handler.
using EndProgramHandler = std::function<void(int exitCode)>;
EndProgramHandler setEndProgramHandler(EndProgramHandler handler);

} // namespace app::mMain
