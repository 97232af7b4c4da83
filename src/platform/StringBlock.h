#pragma once
#include <cstddef>

// Where one string of a string-table block lies, counted in 16-bit units from
// the block's start. A block (resource type RT_STRING, name id / 16 + 1) holds
// the sixteen strings id % 16 = 0..15 in turn, each a 16-bit length followed
// by that many UTF-16 units; an absent string has length 0.
struct CStringSpan {
    std::size_t offset = 0;
    std::size_t length = 0;
};

// False, with span untouched, when the block ends before the string does.
bool FindStringInBlock(const unsigned char* block, std::size_t size, unsigned index,
                       CStringSpan& span);
