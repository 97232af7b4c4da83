// The process entry point of DARIVOVA.EXE: the linker's default entry for a
// GUI program. It stands in for the C runtime's start-up code, so that no
// prebuilt code runs before the program's own. Nothing needs initialising
// first: the heap is the process heap, and the text functions that depend on
// a code page are the system's, which follow its ANSI code page.
#include "platform/CommandLine.h"
#include "platform/LeadByte.h"
#include "platform/runtime/ExitList.h"
#include "platform/Win.h"

namespace {

using Constructor = void (*)();

// The show state the starting process asked for, as the C runtime hands it on.
int StartupShowState() {
    STARTUPINFOA info = {};
    info.cb = sizeof info;
    GetStartupInfoA(&info);
    return (info.dwFlags & STARTF_USESHOWWINDOW) != 0 ? info.wShowWindow : SW_SHOWDEFAULT;
}

}  // namespace

// The linker's list of static constructors: a marker (-1), then the functions,
// then a null entry. They run from the last to the first.
extern "C" Constructor __CTOR_LIST__[];

// Never returns: ExitProcess ends the process even when a system DLL left a
// thread of its own running, where returning would end only this thread. The
// stack is realigned first: the program's code is compiled for 16-byte
// alignment, which 32-bit Windows does not promise here (64-bit Windows calls
// the entry point aligned, as any function). Nothing in the code calls it, so
// it is marked used: no optimiser may drop it.
extern "C" __attribute__((used, noreturn, force_align_arg_pointer)) void WinMainCRTStartup() {
    Constructor* last = __CTOR_LIST__ + 1;
    while (*last != nullptr) ++last;
    while (last != __CTOR_LIST__ + 1) (*--last)();

    char* tail = const_cast<char*>(CommandLineTail(GetCommandLineA(), IsAnsiLeadByte));
    const int exitCode = WinMain(GetModuleHandleA(nullptr), nullptr, tail, StartupShowState());
    RunExitList();
    ExitProcess(static_cast<UINT>(exitCode));
}
