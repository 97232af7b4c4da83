#include "platform/ProcessLock.h"

CProcessLock::CProcessLock(const char* name, DWORD timeoutMs)
    : m_mutex(CreateMutexA(nullptr, FALSE, name)) {
    if (!m_mutex.IsValid()) return;
    // A holder that ended without releasing leaves the lock to the next one.
    const DWORD result = WaitForSingleObject(m_mutex.Get(), timeoutMs);
    m_bHeld = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

CProcessLock::~CProcessLock() {
    if (m_bHeld) ReleaseMutex(m_mutex.Get());
}
