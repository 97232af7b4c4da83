// The URL's last component from arbitrary registry bytes and reported sizes,
// in a single-byte and in a double-byte code page.
#include "download/UrlName.h"
#include "Characters.h"
#include "LeadBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

struct Result {
    bool found;
    std::string name;
    bool operator==(const Result& other) const {
        return found == other.found && name == other.name;
    }
};

Result Component(const std::string& buffer, std::size_t reported, IsLeadByteFn isLeadByte) {
    Result result{false, "untouched"};
    result.found = LastUrlComponent(buffer, reported, result.name, isLeadByte);
    if (!result.found && result.name != "untouched") std::abort();
    return result;
}

// The text after its last separator that is a character of its own.
std::string AfterLastSeparator(const std::string& text, IsLeadByteFn isLeadByte) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); i += PairAt(text, i, isLeadByte) ? 2 : 1) {
        if (IsSeparator(text[i]) && !PairAt(text, i, isLeadByte)) start = i + 1;
    }
    return text.substr(start);
}

Result Check(const std::string& buffer, std::size_t reported, IsLeadByteFn isLeadByte) {
    const std::string text = buffer.substr(0, buffer.find('\0'));
    const Result result = Component(buffer, reported, isLeadByte);

    // Nothing after the first NUL counts, nor a size beyond one terminator.
    std::string cut = text;
    cut.resize(buffer.size(), '\0');
    if (!(Component(cut, std::min(reported, text.size() + 1), isLeadByte) == result)) std::abort();

    if (result.found) {
        // Never empty, never more than the text, always its end.
        const std::string& name = result.name;
        if (name.empty() || name.size() > text.size()) std::abort();
        if (text.compare(text.size() - name.size(), name.size(), name) != 0) std::abort();
    }
    // A value whose size counts its terminator gives exactly the text after
    // its last separator, and nothing when that is empty.
    if (reported >= text.size() + 1) {
        const std::string expected = AfterLastSeparator(text, isLeadByte);
        if (result.found != !expected.empty()) std::abort();
        if (result.found && result.name != expected) std::abort();
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // Two bytes of reported size, up to 260 bytes of value, zeros after it as
    // in the read buffer.
    const std::size_t reported = data[0] | (static_cast<std::size_t>(data[1]) << 8);
    std::string buffer(reinterpret_cast<const char*>(data + 2), size - 2 > 260 ? 260 : size - 2);
    buffer.resize(260, '\0');

    const Result single = Check(buffer, reported, NoLeadBytes);
    const Result dbcs = Check(buffer, reported, ShiftJisLeadByte);
    // Stepping over characters only skips separators: the name can only grow.
    if (single.found && (!dbcs.found || dbcs.name.size() < single.name.size())) std::abort();
    return 0;
}
