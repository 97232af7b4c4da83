#include "download/ArchiverCommand.h"

std::string ArchiverPathFromCommand(const std::string& lowerCommand, IsLeadByteFn isLeadByte) {
    constexpr std::string::size_type kMarkerLength = sizeof kArchiverMarker - 1;
    std::string::size_type i = 0;
    while (i < lowerCommand.size()) {
        if (lowerCommand.compare(i, kMarkerLength, kArchiverMarker) == 0) {
            return lowerCommand.substr(0, i + kMarkerLength);
        }
        // A match never starts at the trail byte of a double-byte character.
        i += CharacterSize(lowerCommand, i, isLeadByte);
    }
    return {};
}

std::string WithoutUnmatchedQuote(const std::string& path) {
    if (!path.empty() && path.front() == '"' && path.find('"', 1) == std::string::npos) {
        return path.substr(1);
    }
    return path;
}
