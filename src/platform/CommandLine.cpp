#include "platform/CommandLine.h"

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
