#pragma once

// Ends the process at once with exit code 3, the code of an aborted program:
// no exit handler, no destructor and no code of ours runs after it.
[[noreturn]] void FatalEnd() noexcept;
