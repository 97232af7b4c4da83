// The download's path in a command-line tail, in a single-byte and in a
// double-byte code page.
#include "download/QuotedArgument.h"
#include "Characters.h"
#include "LeadBytes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void Check(const std::string& tail, IsLeadByteFn isLeadByte) {
    const std::string path = UnquotedArgument(tail, isLeadByte);
    // The tail from the opening quote on, or all of it.
    const std::size_t begin = !tail.empty() && tail[0] == '"' ? 1 : 0;
    if (tail.compare(begin, path.size(), path) != 0 || begin + path.size() > tail.size()) {
        std::abort();
    }
    // No quote of its own inside a quoted path.
    std::size_t last = 0;
    for (std::size_t i = 0; i < path.size(); i += PairAt(path, i, isLeadByte) ? 2 : 1) {
        last = i;
        if (begin == 1 && path[i] == '"' && !PairAt(path, i, isLeadByte)) std::abort();
    }
    const std::size_t end = begin + path.size();
    if (end == tail.size()) return;
    // Never half a character: a lead byte at its end takes the next byte along.
    const bool endsAlone = !path.empty() && last + 1 == path.size();
    if (endsAlone && isLeadByte(static_cast<unsigned char>(path[last]))) std::abort();
    // What is left out: a closing quote and whatever follows it, or trailing
    // blanks and tabs after a path that does not end with one.
    if (begin == 1 && tail[end] == '"') return;
    if (tail.find_first_not_of(" \t", end) != std::string::npos) std::abort();
    if (endsAlone && IsBlank(path[last])) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The tail is cut from a NUL-terminated command line.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string tail = input.substr(0, input.find('\0'));
    for (IsLeadByteFn isLeadByte : kCodePages) Check(tail, isLeadByte);

    // In a single-byte code page: exactly the text between the first two
    // quotes, or the tail without an unclosed opening quote and trailing blanks.
    std::string expected;
    const std::size_t close = tail.find('"', 1);
    if (!tail.empty() && tail[0] == '"' && close != std::string::npos) {
        expected = tail.substr(1, close - 1);
    } else {
        expected = tail.substr(!tail.empty() && tail[0] == '"' ? 1 : 0);
        expected.erase(expected.find_last_not_of(" \t") + 1);
    }
    if (UnquotedArgument(tail, NoLeadBytes) != expected) std::abort();
    return 0;
}
