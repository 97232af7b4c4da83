#include "platform/runtime/ExitList.h"

#include <cstdlib>

namespace {

using ExitFunction = void (*)();

// The C standard promises 32 registrations; the program makes one.
constexpr int kCapacity = 32;

// The runtime's own state: what the C runtime's start-up would otherwise keep.
ExitFunction s_functions[kCapacity];
int s_count = 0;

}  // namespace

// The linker's list of static destructors: a marker (-1), then the functions,
// then a null entry.
extern "C" ExitFunction __DTOR_LIST__[];

extern "C" int __cdecl atexit(ExitFunction function) {
    if (s_count == kCapacity) return -1;
    s_functions[s_count++] = function;
    return 0;
}

void RunExitList() noexcept {
    while (s_count > 0) s_functions[--s_count]();
    for (ExitFunction* entry = __DTOR_LIST__ + 1; *entry != nullptr; ++entry) (*entry)();
}
