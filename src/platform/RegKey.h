#pragma once
#include "platform/Unique.h"
#include "platform/Win.h"

#include <string>

// A text value as the registry reported it: its type, its byte count
// (terminator included as stored) and its text up to the first NUL.
struct CRegText {
    DWORD m_dwType = 0;
    DWORD m_dwSize = 0;
    std::string m_strText;
};

// A value as stored: its type and its bytes, terminator included as stored.
struct CRegValue {
    DWORD m_dwType = 0;
    std::string m_strBytes;
};

// An open registry key.
struct CRegKeyTraits {
    using Value = HKEY;
    static Value None() noexcept { return nullptr; }
    static bool IsValid(Value key) noexcept { return key != nullptr; }
    static void Close(Value key) noexcept { RegCloseKey(key); }
};

// Owns one open registry key; closes it when it goes. Every call returns the
// platform's own result code and leaves the key as it was on failure.
class CRegKey {
public:
    LONG Open(HKEY root, const char* path);                  // RegOpenKeyA
    LONG Create(HKEY root, const char* path);                // RegCreateKeyA
    LONG OpenEx(HKEY root, const char* path, REGSAM access);   // RegOpenKeyExA
    LONG CreateEx(HKEY root, const char* path, REGSAM access); // RegCreateKeyExA, non-volatile

    // Sets a REG_SZ value with its terminating NUL.
    LONG SetString(const char* name, const std::string& text);
    // Sets a value of the given type to exactly the given bytes.
    LONG SetValue(const char* name, const CRegValue& value);

    // Reads a value of at most maxBytes bytes as text, whatever its type (the
    // caller decides what a type means); name null or "" is the default
    // value. ERROR_MORE_DATA when it is longer. A value that another process
    // makes longer between the size and the read is asked for again, a few
    // times. value is set only on success.
    LONG QueryText(const char* name, DWORD maxBytes, CRegText& value) const;
    // The same read, keeping the type and every byte as the platform gave them.
    LONG QueryValue(const char* name, DWORD maxBytes, CRegValue& value) const;
    // The cap of a value without a length limit of its own.
    static constexpr DWORD kAnySize = 0x7FFFFFFF;

    LONG DeleteValue(const char* name);  // RegDeleteValueA
    // Deletes the subkey with everything under it, on every system (NT's
    // RegDeleteKeyA deletes only a key without subkeys).
    LONG DeleteSubKeyTree(const char* name);
    // Whether the key holds neither subkeys nor values; false when that
    // can't be told.
    bool IsEmpty() const;

    HKEY Get() const { return m_key.Get(); }
    bool IsOpen() const { return m_key.IsValid(); }

private:
    LONG Adopt(LONG result, HKEY opened);

    CUnique<CRegKeyTraits> m_key;
};
