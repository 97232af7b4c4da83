#pragma once

// Runs what the program registered with atexit (a function-local static's
// destructor, for one), the latest first, then the static destructors the
// linker listed. Called once, when WinMain has returned.
void RunExitList() noexcept;
