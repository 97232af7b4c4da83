// Times one program from its start to its exit, inside Wine, so that the start
// of Wine's own loader on the Linux side is not part of the figure.
//
//   stopwatch PROGRAM [ARGUMENTS...]
//
// The rest of its command line is started as it stands. Prints one line,
// "<milliseconds> <exit code>", and exits 0; 1 when the program could not be
// started, 2 when it did not end within a minute (it is then ended).
#include "platform/CommandLine.h"
#include "platform/Handle.h"

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kTimeoutMs = 60000;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
    // CreateProcessA may write into the command line it is given.
    std::string command = CommandLineTail(GetCommandLineA(), NoLeadBytes);
    if (command.empty()) {
        std::fprintf(stderr, "usage: stopwatch PROGRAM [ARGUMENTS...]\n");
        return 1;
    }

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    LARGE_INTEGER started;
    QueryPerformanceCounter(&started);
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        std::fprintf(stderr, "stopwatch: cannot start %s (error %lu)\n", command.c_str(),
                     GetLastError());
        return 1;
    }
    const CHandle process(info.hProcess);
    const CHandle thread(info.hThread);

    const DWORD waited = WaitForSingleObject(process.Get(), kTimeoutMs);
    LARGE_INTEGER ended;
    QueryPerformanceCounter(&ended);
    if (waited != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 3);
        WaitForSingleObject(process.Get(), 5000);
        std::fprintf(stderr, "stopwatch: %s did not end within %lu ms\n", command.c_str(),
                     kTimeoutMs);
        return 2;
    }

    DWORD exitCode = 0;
    GetExitCodeProcess(process.Get(), &exitCode);
    std::printf("%.3f %lu\n", Milliseconds(started, ended), exitCode);
    std::fflush(stdout);
    return 0;
}
