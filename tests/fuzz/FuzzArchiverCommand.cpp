// The archive utility's path from an open command, in a single-byte and a
// double-byte code page, and the path the shell is given.
#include "download/ArchiverCommand.h"
#include "LeadBytes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t kMarkerLength = sizeof kArchiverMarker - 1;

void CheckPath(const std::string& command, const std::string& path) {
    if (path.empty()) return;
    // A prefix of the command, ending with the marker.
    if (path.size() < kMarkerLength || command.compare(0, path.size(), path) != 0) std::abort();
    if (path.compare(path.size() - kMarkerLength, kMarkerLength, kArchiverMarker) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string command(reinterpret_cast<const char*>(data), size);

    const std::string single = ArchiverPathFromCommand(command, NoLeadBytes);
    CheckPath(command, single);
    // In a single-byte code page it is cut after the very first occurrence.
    const std::size_t first = command.find(kArchiverMarker);
    if (first == std::string::npos ? !single.empty() : single.size() != first + kMarkerLength) {
        std::abort();
    }

    const std::string dbcs = ArchiverPathFromCommand(command, ShiftJisLeadByte);
    CheckPath(command, dbcs);
    // Stepping over characters can only skip occurrences, never add one.
    if (!dbcs.empty() && dbcs.size() < single.size()) std::abort();
    if (first == std::string::npos && !dbcs.empty()) std::abort();

    // The launched path drops at most an opening quote and never keeps an
    // unmatched one.
    for (const std::string* path : {&command, &single}) {
        const std::string launched = WithoutUnmatchedQuote(*path);
        if (launched != *path && launched != path->substr(1)) std::abort();
        if (!launched.empty() && launched.front() == '"' && launched.find('"', 1) == std::string::npos &&
            launched.size() + 1 != path->size()) {
            std::abort();
        }
    }
    return 0;
}
