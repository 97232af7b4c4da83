// Stands in for the archive utility ombrix32.exe: records how it was started,
// one line per start, "<working folder>|<command-line tail>", in the file that
// OMBRIX_STANDIN_LOG names, or in ombrix32.log next to itself. Several may run
// at once: each waits for the log to be free, appends its line and closes it.
#include "platform/CommandLine.h"

#include <windows.h>

#include <string>

namespace {

std::string LogPath() {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("OMBRIX_STANDIN_LOG", buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return std::string(buffer, length);
    const DWORD moduleLength = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, moduleLength < MAX_PATH ? moduleLength : 0);
    return path.substr(0, path.find_last_of('\\') + 1) + "ombrix32.log";
}

std::string CurrentFolder() {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return length < MAX_PATH ? std::string(buffer, length) : std::string();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string line =
        CurrentFolder() + "|" + CommandLineTail(GetCommandLineA(), NoLeadBytes) + "\r\n";
    const std::string path = LogPath();

    // Opened for no one else: a second start waits its turn, for 10 s at most.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const HANDLE log = CreateFileA(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            const BOOL ok = WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written,
                                      nullptr);
            FlushFileBuffers(log);
            CloseHandle(log);
            return ok && written == line.size() ? 0 : 1;
        }
        Sleep(10);
    }
    return 2;
}
