#pragma once
#include "platform/Win.h"

#include <utility>

// Owns a find-first search handle; closes it when it goes.
class CFindHandle {
public:
    explicit CFindHandle(HANDLE handle = INVALID_HANDLE_VALUE) : m_hFind(handle) {}
    CFindHandle(CFindHandle&& other) noexcept
        : m_hFind(std::exchange(other.m_hFind, INVALID_HANDLE_VALUE)) {}
    CFindHandle& operator=(CFindHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_hFind = std::exchange(other.m_hFind, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    CFindHandle(const CFindHandle&) = delete;
    CFindHandle& operator=(const CFindHandle&) = delete;
    ~CFindHandle() { Close(); }

    bool IsValid() const { return m_hFind != INVALID_HANDLE_VALUE; }

private:
    void Close() noexcept {
        if (IsValid()) FindClose(std::exchange(m_hFind, INVALID_HANDLE_VALUE));
    }

    HANDLE m_hFind;
};
