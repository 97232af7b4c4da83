#pragma once
// A robot thread that answers the modal windows which code under test shows
// on the test's main thread: for each scripted step it waits for the next new
// visible top-level window of this process, records what it saw, and acts.
// Windows that show up after the script has run out are closed (Cancel, No,
// then OK) and recorded as unexpected, so a test never hangs on a box.
#include "Probe.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CRobot {
public:
    struct Seen {
        probe::Window window;    // as it was when found, before the action
        std::vector<std::string> selectedFolder;  // folder chooser only
        bool expected = true;    // false: not in the script, closed by the robot
    };

    CRobot();
    ~CRobot();  // Finish()es if the test did not
    CRobot(const CRobot&) = delete;
    CRobot& operator=(const CRobot&) = delete;

    // Script steps, in order. Each waits up to stepTimeoutMs for its window.
    CRobot& Press(int buttonId);                  // a box or dialog: press a button
    CRobot& PickFolder(const std::string& path);  // the folder chooser: pick, OK
    CRobot& CancelPicker();                       // the folder chooser: Cancel
    CRobot& Do(std::function<void(HWND)> action); // anything else

    // Starts answering. Call before the code under test runs; windows that are
    // up already are left alone.
    void Start(DWORD stepTimeoutMs = 10000);
    // Stops and returns everything seen, in order.
    std::vector<Seen> Finish();
    // True when every scripted step found its window.
    bool ScriptDone() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};
