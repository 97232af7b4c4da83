#pragma once
#include "platform/Win.h"

#include <utility>

// Owns an icon that was loaded without sharing (LoadImageA without
// LR_SHARED) and destroys it when it goes.
class CIcon {
public:
    CIcon() = default;
    explicit CIcon(HICON icon) : m_hIcon(icon) {}
    CIcon(CIcon&& other) noexcept : m_hIcon(std::exchange(other.m_hIcon, nullptr)) {}
    CIcon& operator=(CIcon&& other) noexcept {
        if (this != &other) {
            Destroy();
            m_hIcon = std::exchange(other.m_hIcon, nullptr);
        }
        return *this;
    }
    CIcon(const CIcon&) = delete;
    CIcon& operator=(const CIcon&) = delete;
    ~CIcon() { Destroy(); }

    HICON Get() const { return m_hIcon; }

private:
    void Destroy() noexcept {
        if (m_hIcon != nullptr) DestroyIcon(std::exchange(m_hIcon, nullptr));
    }

    HICON m_hIcon = nullptr;
};
