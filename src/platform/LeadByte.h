#pragma once

// Tells whether a byte starts a double-byte character in the code page the
// caller works in. Text logic takes it as a parameter so it stays free of the
// platform; the program passes IsAnsiLeadByte, tests pass their own.
using IsLeadByteFn = bool (*)(unsigned char byte);

// A single-byte code page: no byte leads a pair.
inline bool NoLeadBytes(unsigned char) { return false; }
