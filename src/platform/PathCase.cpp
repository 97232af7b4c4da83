#include "platform/PathCase.h"

namespace {

// One character of a text, upper-cased by the path rule, in at most two bytes.
struct Character {
    char bytes[2] = {};
    std::size_t size = 0;
};

Character UpperCharacter(std::string_view text, std::size_t i, IsLeadByteFn isLeadByte,
                         UpperCaseFn upperCase) {
    Character c;
    c.size = CharacterSize(text, i, isLeadByte);
    c.bytes[0] = text[i];
    if (c.size == 2) c.bytes[1] = text[i + 1];
    const auto first = static_cast<unsigned char>(c.bytes[0]);
    if (c.size == 1 && first < 0x80) {
        if (first >= 'a' && first <= 'z') c.bytes[0] = static_cast<char>(first - 'a' + 'A');
    } else if (c.size == 2 || !isLeadByte(first)) {
        upperCase(c.bytes, c.size);
    }
    return c;
}

}  // namespace

bool EqualsIgnoringPathCase(std::string_view first, std::string_view second,
                            IsLeadByteFn isLeadByte, UpperCaseFn upperCase) {
    std::size_t i = 0, j = 0;
    while (i < first.size() && j < second.size()) {
        const Character a = UpperCharacter(first, i, isLeadByte, upperCase);
        const Character b = UpperCharacter(second, j, isLeadByte, upperCase);
        if (a.size != b.size || a.bytes[0] != b.bytes[0] || a.bytes[1] != b.bytes[1]) return false;
        i += a.size;
        j += b.size;
    }
    return i == first.size() && j == second.size();
}
