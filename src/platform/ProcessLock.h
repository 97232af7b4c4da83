#pragma once
#include "platform/Handle.h"

// Holds a lock shared by every process of the user's session, named by
// name, for the object's life: a named mutex. The wait is bounded; when the
// lock can't be had in time (or at all) the holder goes on without it rather
// than hang behind a process that stopped answering.
class CProcessLock {
public:
    CProcessLock(const char* name, DWORD timeoutMs);
    CProcessLock(const CProcessLock&) = delete;
    CProcessLock& operator=(const CProcessLock&) = delete;
    ~CProcessLock();

    bool IsHeld() const { return m_bHeld; }

private:
    CHandle m_mutex;
    bool m_bHeld = false;
};
