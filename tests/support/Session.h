#pragma once
// One run of a program under test from the outside: start it, answer each
// window it shows with a scripted button (or the way out: Cancel, No, OK),
// and wait for it to end. Never hangs: every wait has a time-out, and a
// program still running at the end is ended by its handle.
#include "Probe.h"
#include "Process.h"

#include <functional>
#include <string>
#include <vector>

struct SessionResult {
    bool started = false;
    bool ended = false;
    DWORD exitCode = 0;
    std::vector<probe::Window> windows;  // as each was when it came up, in order

    // The first window seen with this caption, or null.
    const probe::Window* Find(const std::string& caption) const;
};

// What to do with the n-th window (0-based) that comes up: return true when
// handled, false to let the session press its way out.
using WindowAnswer = std::function<bool(std::size_t index, const probe::Window& window)>;

SessionResult RunSession(const std::string& commandLine, const std::string& workingFolder = {},
                         const WindowAnswer& answer = {}, DWORD timeoutMs = 30000);
