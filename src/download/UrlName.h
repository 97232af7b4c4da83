#pragma once
#include "platform/LeadByte.h"

#include <cstddef>
#include <string>
#include <string_view>

// The last component of a download's URL, as Navigator's table records it.
// buffer holds the bytes the registry read; the URL text ends at its first
// NUL, and nothing after it counts. reportedSize is the byte count the
// registry reported, terminator included. A larger size (extra terminators,
// or bytes after the NUL) counts as the text and one terminator; a smaller
// one still rules: the scan for the last separator ends at byte
// reportedSize - 2, and the name is the last reportedSize - 1 - start bytes of
// the text, start being the byte after that separator. The scan steps over
// double-byte characters whole, so a trail byte 0x5C is part of its character,
// not a separator. False, with name untouched, when the text is empty or ends
// with '/' or '\': the caller then keeps the temporary file's own name.
// Percent escapes and query parts are kept as they are.
bool LastUrlComponent(std::string_view buffer, std::size_t reportedSize, std::string& name,
                      IsLeadByteFn isLeadByte);
