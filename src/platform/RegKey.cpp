#include "platform/RegKey.h"

#include <utility>

namespace {

// How often a read follows a value that keeps growing under it.
constexpr int kReadAttempts = 8;

}  // namespace

LONG CRegKey::Adopt(LONG result, HKEY opened) {
    if (result == ERROR_SUCCESS) m_key.Reset(opened);
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
    return RegSetValueExA(m_key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

LONG CRegKey::SetValue(const char* name, const CRegValue& value) {
    return RegSetValueExA(m_key.Get(), name, 0, value.m_dwType,
                          reinterpret_cast<const BYTE*>(value.m_strBytes.data()),
                          static_cast<DWORD>(value.m_strBytes.size()));
}

LONG CRegKey::QueryText(const char* name, DWORD maxBytes, CRegText& value) const {
    CRegValue stored;
    const LONG result = QueryValue(name, maxBytes, stored);
    if (result != ERROR_SUCCESS) return result;
    value.m_dwType = stored.m_dwType;
    value.m_dwSize = static_cast<DWORD>(stored.m_strBytes.size());
    value.m_strText = stored.m_strBytes.c_str();
    return ERROR_SUCCESS;
}

LONG CRegKey::QueryValue(const char* name, DWORD maxBytes, CRegValue& value) const {
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExA(m_key.Get(), name, nullptr, &type, nullptr, &size);
    for (int attempt = 0; result == ERROR_SUCCESS && attempt < kReadAttempts; ++attempt) {
        if (size > maxBytes) return ERROR_MORE_DATA;
        std::string buffer(size, '\0');
        DWORD read = size;
        result = RegQueryValueExA(m_key.Get(), name, nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &read);
        if (result == ERROR_SUCCESS) {
            buffer.resize(read);
            value.m_dwType = type;
            value.m_strBytes = std::move(buffer);
            return ERROR_SUCCESS;
        }
        if (result != ERROR_MORE_DATA) return result;
        size = read;
        result = ERROR_SUCCESS;
    }
    return result == ERROR_SUCCESS ? ERROR_MORE_DATA : result;
}

LONG CRegKey::DeleteValue(const char* name) {
    return RegDeleteValueA(m_key.Get(), name);
}

LONG CRegKey::DeleteSubKeyTree(const char* name) {
    {
        CRegKey key;
        const LONG opened = key.OpenEx(m_key.Get(), name, KEY_READ | KEY_WRITE);
        if (opened != ERROR_SUCCESS) return opened;
        // Always the first subkey: each one deleted moves the next up.
        char child[MAX_PATH];
        while (RegEnumKeyA(key.Get(), 0, child, sizeof child) == ERROR_SUCCESS) {
            const LONG deleted = key.DeleteSubKeyTree(child);
            if (deleted != ERROR_SUCCESS) return deleted;
        }
    }
    return RegDeleteKeyA(m_key.Get(), name);
}

bool CRegKey::IsEmpty() const {
    DWORD subKeys = 0;
    DWORD values = 0;
    return RegQueryInfoKeyA(m_key.Get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                            &values, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
           subKeys == 0 && values == 0;
}
