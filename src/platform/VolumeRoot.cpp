#include "platform/VolumeRoot.h"

namespace {

// Where the next '\' at or after i stands, stepping over double-byte
// characters whole; npos when there is none.
std::string::size_type NextSeparator(const std::string& text, std::string::size_type i,
                                     IsLeadByteFn isLeadByte) {
    while (i < text.size()) {
        if (text[i] == '\\') return i;
        i += CharacterSize(text, i, isLeadByte);
    }
    return std::string::npos;
}

}  // namespace

std::string VolumeRoot(const std::string& fullPath, IsLeadByteFn isLeadByte) {
    if (fullPath.size() >= 2 && fullPath[1] == ':') return fullPath.substr(0, 2) + '\\';
    if (fullPath.compare(0, 2, "\\\\") != 0) return {};
    const std::string::size_type serverEnd = NextSeparator(fullPath, 2, isLeadByte);
    if (serverEnd == std::string::npos) return fullPath + '\\';
    const std::string::size_type shareEnd = NextSeparator(fullPath, serverEnd + 1, isLeadByte);
    if (shareEnd == std::string::npos) return fullPath + '\\';
    return fullPath.substr(0, shareEnd + 1);
}

bool IsVolumeRoot(const std::string& fullPath, IsLeadByteFn isLeadByte) {
    const std::string root = VolumeRoot(fullPath, isLeadByte);
    return !root.empty() && (root == fullPath || root == fullPath + '\\');
}
