#pragma once
// Registry fixtures and checks for tests, on the real registry.
#include <windows.h>

#include <string>

namespace testreg {

// Removes a key with everything under it, locked or not; missing is fine.
void DeleteTree(HKEY root, const std::string& path);
bool KeyExists(HKEY root, const std::string& path);
// Creates the key (and parents) and sets a value of any type from raw bytes.
bool SetValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
              const std::string& bytes);
// A REG_SZ value with its terminating NUL.
bool SetString(HKEY root, const std::string& path, const std::string& name,
               const std::string& text);
// Reads a value's type and raw bytes (terminator included as stored).
bool ReadValue(HKEY root, const std::string& path, const std::string& name, DWORD* type,
               std::string* bytes);
bool DeleteValue(HKEY root, const std::string& path, const std::string& name);

}  // namespace testreg
