#pragma once
#include "platform/LeadByte.h"

#include <cstddef>
#include <string>

// The checks' own reading of a text: whether a double-byte character starts
// at text[i], a lead byte with a byte after it before the text ends (at its
// end or a NUL).
inline bool PairAt(const std::string& text, std::size_t i, IsLeadByteFn isLeadByte) {
    return isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
           text[i + 1] != '\0';
}

// The offset of the last character of a non-empty text.
inline std::size_t LastCharacter(const std::string& text, IsLeadByteFn isLeadByte) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < text.size(); i += PairAt(text, i, isLeadByte) ? 2 : 1) last = i;
    return last;
}
