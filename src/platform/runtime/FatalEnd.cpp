#include "platform/runtime/FatalEnd.h"

#include "platform/Win.h"

// Reached where the C++ runtime would throw: memory or a string's length ran
// out. The program changes things one call at a time (the move is one rename
// or one shell file operation, each registry write one value), so stopping
// before the next call leaves the download where it was or wholly moved, and
// every registry value old or new; setup can simply run again. Unwinding,
// destructors or a message would run more code on a state nobody planned for.
// ExitProcess rather than TerminateProcess: the system's DLLs still detach in
// order, which Windows 9x needs for its shared system state.
void FatalEnd() noexcept {
    ExitProcess(3);
}
