#include "download/UrlName.h"

#include <algorithm>

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

bool LastUrlComponent(std::string_view buffer, std::size_t reportedSize, std::string& name) {
    const std::string_view text = buffer.substr(0, buffer.find('\0'));
    if (text.empty() || reportedSize < 2) return false;

    // The scan never leaves the buffer, whatever size the registry reported.
    std::size_t start = 0;
    for (std::size_t i = std::min(reportedSize - 2, buffer.size() - 1) + 1; i-- > 0;) {
        if (IsSeparator(buffer[i])) {
            start = i + 1;
            break;
        }
    }
    if (reportedSize - 1 <= start) return false;

    const std::size_t count = std::min(reportedSize - 1 - start, text.size());
    name.assign(text.substr(text.size() - count));
    return true;
}
