#include "Session.h"

#include <algorithm>

const probe::Window* SessionResult::Find(const std::string& caption) const {
    for (const probe::Window& window : windows) {
        if (window.caption == caption) return &window;
    }
    return nullptr;
}

SessionResult RunSession(const std::string& commandLine, const std::string& workingFolder,
                         const WindowAnswer& answer, DWORD timeoutMs) {
    SessionResult result;
    CChildProcess process;
    result.started = process.Start(commandLine, workingFolder);
    if (!result.started) return result;

    std::vector<HWND> seen;
    const DWORD start = GetTickCount();
    while (!(result.ended = process.Wait(0, &result.exitCode))) {
        if (GetTickCount() - start >= timeoutMs) return result;
        HWND window = probe::WaitForWindow(process.Id(), "", 50, seen);
        if (window == nullptr) continue;
        seen.push_back(window);
        result.windows.push_back(probe::Describe(window));
        const bool handled = answer && answer(result.windows.size() - 1, result.windows.back());
        if (!handled) {
            for (int id : {IDCANCEL, IDNO, IDOK}) {
                if (probe::Press(window, id)) break;
            }
        }
    }
    return result;
}
