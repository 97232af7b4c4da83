#include "Robot.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

constexpr int kChooserTreeId = 14145;

bool IsFolderChooser(HWND window) { return GetDlgItem(window, kChooserTreeId) != nullptr; }

// Closes a window nobody expected, the way a person who wants out would.
void Dismiss(HWND window) {
    for (int id : {IDCANCEL, IDNO, IDOK}) {
        if (probe::Press(window, id)) return;
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
}

}  // namespace

struct CRobot::State {
    std::vector<std::function<void(HWND)>> steps;
    std::vector<Seen> seen;
    std::vector<HWND> handled;
    std::size_t next = 0;
    bool timedOut = false;
    std::atomic<bool> stop{false};
    std::mutex lock;
    std::thread thread;
    DWORD stepTimeoutMs = 10000;

    void Run();
    void Handle(HWND window, DWORD& lastProgress);
};

void CRobot::State::Run() {
    const DWORD self = GetCurrentProcessId();
    DWORD lastProgress = GetTickCount();
    while (!stop) {
        handled.erase(std::remove_if(handled.begin(), handled.end(),
                                     [](HWND window) { return !IsWindow(window); }),
                      handled.end());
        for (HWND window : probe::TopLevelWindows(self)) {
            if (std::find(handled.begin(), handled.end(), window) == handled.end()) {
                Handle(window, lastProgress);
            }
        }
        {
            std::lock_guard<std::mutex> guard(lock);
            if (next < steps.size() && GetTickCount() - lastProgress > stepTimeoutMs) {
                // The window never came: give up the script, keep sweeping.
                timedOut = true;
                next = steps.size();
            }
        }
        Sleep(10);
    }
}

void CRobot::State::Handle(HWND window, DWORD& lastProgress) {
    handled.push_back(window);
    // Let the window's thread finish creating it (a dialog visible from
    // creation shows before its controls exist).
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    Sleep(20);

    Seen entry;
    entry.window = probe::Describe(window);
    if (IsFolderChooser(window)) entry.selectedFolder = probe::SelectedFolderItems(window);

    std::function<void(HWND)> action;
    {
        std::lock_guard<std::mutex> guard(lock);
        if (next < steps.size()) action = steps[next++];
        entry.expected = static_cast<bool>(action);
        seen.push_back(entry);
    }
    lastProgress = GetTickCount();
    if (action) {
        action(window);
    } else {
        Dismiss(window);
    }
}

CRobot::CRobot() : m_state(std::make_unique<State>()) {}

CRobot::~CRobot() { Finish(); }

CRobot& CRobot::Press(int buttonId) {
    return Do([buttonId](HWND window) { probe::Press(window, buttonId); });
}

CRobot& CRobot::PickFolder(const std::string& path) {
    return Do([path](HWND window) {
        if (!probe::PickFolder(window, path)) probe::Press(window, IDCANCEL);
    });
}

CRobot& CRobot::CancelPicker() { return Press(IDCANCEL); }

CRobot& CRobot::Do(std::function<void(HWND)> action) {
    std::lock_guard<std::mutex> guard(m_state->lock);
    m_state->steps.push_back(std::move(action));
    return *this;
}

void CRobot::Start(DWORD stepTimeoutMs) {
    m_state->stepTimeoutMs = stepTimeoutMs;
    // Windows that are up already are not the code under test's.
    m_state->handled = probe::TopLevelWindows(GetCurrentProcessId());
    m_state->thread = std::thread([state = m_state.get()] { state->Run(); });
}

std::vector<CRobot::Seen> CRobot::Finish() {
    if (m_state->thread.joinable()) {
        m_state->stop = true;
        m_state->thread.join();
    }
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->seen;
}

bool CRobot::ScriptDone() const {
    std::lock_guard<std::mutex> guard(m_state->lock);
    return !m_state->timedOut && m_state->next == m_state->steps.size();
}
