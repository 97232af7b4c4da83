#pragma once
#include "platform/Win.h"

// How long a file the system reports in use is waited for: long enough for
// a virus scanner to look at a file that has just arrived.
inline constexpr DWORD kInUsePatienceMs = 2000;

// Whether an error says that another holder has the file open without
// sharing it: the wait may end it, nothing else will.
inline bool IsInUse(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Calls attempt until it succeeds, fails for another reason than IsInUse,
// or patienceMs have passed; returns its last result. attempt returns the
// system's error code, ERROR_SUCCESS when it succeeded.
template <class Attempt>
DWORD RetryWhileInUse(DWORD patienceMs, Attempt attempt) {
    constexpr DWORD kStepMs = 50;
    DWORD error = attempt();
    for (DWORD waited = 0; IsInUse(error) && waited < patienceMs; waited += kStepMs) {
        Sleep(kStepMs);
        error = attempt();
    }
    return error;
}
