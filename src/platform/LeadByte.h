#pragma once
#include <cstddef>
#include <string_view>

// Tells whether a byte starts a double-byte character in the code page the
// caller works in. Text logic takes it as a parameter so it stays free of the
// platform; the program passes IsAnsiLeadByte, tests pass their own.
using IsLeadByteFn = bool (*)(unsigned char byte);

// Whether a byte leads a double-byte character in the system's ANSI code
// page (IsDBCSLeadByte); the program's IsLeadByteFn. Windows only.
bool IsAnsiLeadByte(unsigned char byte);

// A single-byte code page: no byte leads a pair.
inline bool NoLeadBytes(unsigned char) { return false; }

// How many bytes the character at text[i] takes: 2 for a lead byte with a
// byte after it, else 1. Scanners step by it, so a trail byte is never taken
// for a character of its own.
inline std::size_t CharacterSize(std::string_view text, std::size_t i, IsLeadByteFn isLeadByte) {
    return isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}
