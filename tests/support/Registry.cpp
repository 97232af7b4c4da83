#include "Registry.h"

#include "RegistryExtras.h"

namespace testreg {

void DeleteTree(HKEY root, const std::string& path) {
    // Keys that a test locked with AllowOnly too.
    Unlock(root, path);
    RegDeleteTreeA(root, path.c_str());
    RegDeleteKeyA(root, path.c_str());
}

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool SetValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
              const std::string& bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG result = RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, type,
                                       reinterpret_cast<const BYTE*>(bytes.data()),
                                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool SetString(HKEY root, const std::string& path, const std::string& name,
               const std::string& text) {
    return SetValue(root, path, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

bool ReadValue(HKEY root, const std::string& path, const std::string& name, DWORD* type,
               std::string* bytes) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    const char* valueName = name.empty() ? nullptr : name.c_str();
    DWORD size = 0;
    DWORD valueType = 0;
    LONG result = RegQueryValueExA(key, valueName, nullptr, &valueType, nullptr, &size);
    std::string data(size, '\0');
    if (result == ERROR_SUCCESS && size > 0) {
        result = RegQueryValueExA(key, valueName, nullptr, &valueType,
                                  reinterpret_cast<BYTE*>(data.data()), &size);
        data.resize(size);
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return false;
    if (type != nullptr) *type = valueType;
    if (bytes != nullptr) *bytes = data;
    return true;
}

bool DeleteValue(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return false;
    const LONG result = RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

}  // namespace testreg
