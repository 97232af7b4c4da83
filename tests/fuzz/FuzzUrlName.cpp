// The URL's last component from arbitrary registry bytes and reported sizes.
#include "download/UrlName.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // Two bytes of reported size, up to 260 bytes of value, zeros after it as
    // in the read buffer.
    const std::size_t reported = data[0] | (static_cast<std::size_t>(data[1]) << 8);
    std::string buffer(reinterpret_cast<const char*>(data + 2), size - 2 > 260 ? 260 : size - 2);
    buffer.resize(260, '\0');
    const std::string text = buffer.substr(0, buffer.find('\0'));

    std::string name = "untouched";
    const bool found = LastUrlComponent(buffer, reported, name);
    if (!found) {
        if (name != "untouched") std::abort();
        // A value stored the ordinary way is refused only when empty or
        // ending with a separator.
        if (reported == text.size() + 1 && !text.empty() && text.back() != '/' &&
            text.back() != '\\') {
            std::abort();
        }
        return 0;
    }
    // Never empty, never more than the text, always its end.
    if (name.empty() || name.size() > text.size()) std::abort();
    if (text.compare(text.size() - name.size(), name.size(), name) != 0) std::abort();
    // An ordinary value gives exactly the text after its last separator.
    if (reported == text.size() + 1) {
        const std::size_t last = text.find_last_of("/\\");
        const std::string expected = last == std::string::npos ? text : text.substr(last + 1);
        if (name != expected) std::abort();
    }
    return 0;
}
