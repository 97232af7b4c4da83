#include "download/QuotedArgument.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string UnquotedArgument(const std::string& tail, IsLeadByteFn isLeadByte) {
    const bool quoted = !tail.empty() && tail.front() == '"';
    const std::string::size_type begin = quoted ? 1 : 0;
    std::string::size_type end = begin;  // after the last character that is no blank
    std::string::size_type i = begin;
    while (i < tail.size()) {
        if (quoted && tail[i] == '"') return tail.substr(begin, i - begin);
        const std::string::size_type step = CharacterSize(tail, i, isLeadByte);
        // A lead byte is never a blank: a trail byte that looks like one stays.
        if (!IsBlank(tail[i])) end = i + step;
        i += step;
    }
    return tail.substr(begin, end - begin);
}
