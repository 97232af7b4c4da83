#pragma once
#include "platform/Win.h"

#include <utility>

// Owns a kernel handle (a file, a mutex); closes it when it goes. Both the
// null handle and INVALID_HANDLE_VALUE count as none, as the platform's
// functions return one or the other on failure.
class CHandle {
public:
    explicit CHandle(HANDLE handle = nullptr) : m_hHandle(handle) {}
    CHandle(CHandle&& other) noexcept : m_hHandle(std::exchange(other.m_hHandle, nullptr)) {}
    CHandle& operator=(CHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_hHandle = std::exchange(other.m_hHandle, nullptr);
        }
        return *this;
    }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle() { Close(); }

    HANDLE Get() const { return m_hHandle; }
    bool IsValid() const { return m_hHandle != nullptr && m_hHandle != INVALID_HANDLE_VALUE; }

private:
    void Close() noexcept {
        if (IsValid()) CloseHandle(m_hHandle);
        m_hHandle = nullptr;
    }

    HANDLE m_hHandle;
};
