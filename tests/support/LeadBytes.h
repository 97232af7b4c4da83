#pragma once
#include "platform/LeadByte.h"

// Lead bytes of code page 932 (Shift-JIS), to test double-byte stepping
// without a platform.
inline bool ShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A single-byte and a double-byte code page, for checks that hold in both.
inline constexpr IsLeadByteFn kCodePages[] = {NoLeadBytes, ShiftJisLeadByte};
