#include "platform/CommandLine.h"

#include "platform/AsciiCase.h"

#include <string_view>

namespace {

constexpr unsigned char kSpace = 32;

unsigned char At(const char* p) { return static_cast<unsigned char>(*p); }

}  // namespace

const char* CommandLineTail(const char* commandLine, IsLeadByteFn isLeadByte) {
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') {
            // A lead byte takes its trail byte along, unless the text ends there.
            p += (isLeadByte(At(p)) && p[1] != '\0') ? 2 : 1;
        }
        if (*p == '"') ++p;
    } else {
        while (At(p) > kSpace) ++p;
    }
    while (*p != '\0' && At(p) <= kSpace) ++p;
    return p;
}

bool IsSwitch(const char* tail, const char* name) {
    std::string_view text(tail);
    const std::string_view::size_type first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    return EqualsIgnoringAsciiCase(text, name);
}
