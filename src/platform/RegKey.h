#pragma once
#include "platform/Win.h"

#include <string>
#include <utility>

// Owns one open registry key; closes it when it goes. Every call returns the
// platform's own result code and leaves the key as it was on failure.
class CRegKey {
public:
    CRegKey() = default;
    CRegKey(CRegKey&& other) noexcept : m_hKey(std::exchange(other.m_hKey, nullptr)) {}
    CRegKey& operator=(CRegKey&& other) noexcept;
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    ~CRegKey() { Close(); }

    LONG Open(HKEY root, const char* path);                  // RegOpenKeyA
    LONG Create(HKEY root, const char* path);                // RegCreateKeyA
    LONG OpenEx(HKEY root, const char* path, REGSAM access);   // RegOpenKeyExA
    LONG CreateEx(HKEY root, const char* path, REGSAM access); // RegCreateKeyExA, non-volatile

    // Sets a REG_SZ value with its terminating NUL.
    LONG SetString(const char* name, const std::string& text);

    HKEY Get() const { return m_hKey; }
    bool IsOpen() const { return m_hKey != nullptr; }
    void Close() noexcept;

private:
    LONG Adopt(LONG result, HKEY opened);

    HKEY m_hKey = nullptr;
};
