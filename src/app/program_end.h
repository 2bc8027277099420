#pragma once

class SingleInstanceGuard;

namespace mMain {

// The guard that keeps a second copy out; released when the program ends.
void setInstanceGuard(SingleInstanceGuard *guard);

// Ends the program at once from anywhere, also from inside the splash loop and the results
// scroll: releases the single-copy guard and exits without running further event procedures.
// Settings writes are complete when WriteRegString returns, so nothing is pending.
[[noreturn]] void EndProgram(int exitCode = 0);

} // namespace mMain
