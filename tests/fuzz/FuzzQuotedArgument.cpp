// The path in a command-line tail that may be one quoted text.
#include "download/QuotedArgument.h"
#include "LeadBytes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string tail(reinterpret_cast<const char*>(data), size);
    for (IsLeadByteFn isLeadByte : {static_cast<IsLeadByteFn>(NoLeadBytes),
                                    static_cast<IsLeadByteFn>(ShiftJisLeadByte)}) {
        const std::string path = UnquotedArgument(tail, isLeadByte);
        if (path == tail) continue;
        // Only the one pair of quotes around the whole tail goes.
        if (tail.size() != path.size() + 2 || tail.front() != '"' || tail.back() != '"' ||
            tail.compare(1, path.size(), path) != 0) {
            std::abort();
        }
    }
    // In a single-byte code page no quote is left inside.
    const std::string single = UnquotedArgument(tail, NoLeadBytes);
    if (single != tail && single.find('"') != std::string::npos) std::abort();
    return 0;
}
