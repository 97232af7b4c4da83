#include "platform/RegKey.h"

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept {
    if (this != &other) {
        Close();
        m_hKey = std::exchange(other.m_hKey, nullptr);
    }
    return *this;
}

void CRegKey::Close() noexcept {
    if (m_hKey != nullptr) RegCloseKey(std::exchange(m_hKey, nullptr));
}

LONG CRegKey::Adopt(LONG result, HKEY opened) {
    if (result == ERROR_SUCCESS) {
        Close();
        m_hKey = opened;
    }
    return result;
}

LONG CRegKey::Open(HKEY root, const char* path) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyA(root, path, &opened);
    return Adopt(result, opened);
}

LONG CRegKey::Create(HKEY root, const char* path) {
    HKEY opened = nullptr;
    const LONG result = RegCreateKeyA(root, path, &opened);
    return Adopt(result, opened);
}

LONG CRegKey::OpenEx(HKEY root, const char* path, REGSAM access) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(root, path, 0, access, &opened);
    return Adopt(result, opened);
}

LONG CRegKey::CreateEx(HKEY root, const char* path, REGSAM access) {
    HKEY opened = nullptr;
    DWORD disposition = 0;
    const LONG result = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                        nullptr, &opened, &disposition);
    return Adopt(result, opened);
}

LONG CRegKey::SetString(const char* name, const std::string& text) {
    return RegSetValueExA(m_hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}
