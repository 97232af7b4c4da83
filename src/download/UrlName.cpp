#include "download/UrlName.h"

#include <algorithm>

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

bool LastUrlComponent(std::string_view buffer, std::size_t reportedSize, std::string& name,
                      IsLeadByteFn isLeadByte) {
    const std::string_view text = buffer.substr(0, buffer.find('\0'));
    // Extra terminators, or whatever else the size counts after the text,
    // must not move the name.
    const std::size_t size = std::min(reportedSize, text.size() + 1);
    if (text.empty() || size < 2) return false;

    // Forward, since only the start of the text tells lead bytes from trail bytes.
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size - 2;) {
        if (IsSeparator(text[i])) start = i + 1;
        i += CharacterSize(text, i, isLeadByte);
    }
    if (size - 1 <= start) return false;

    name.assign(text.substr(text.size() - (size - 1 - start)));
    return true;
}
