#include "download/TargetName.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Where the text's last character starts, stepping over double-byte
// characters whole; npos for an empty text.
std::string::size_type LastCharacter(const std::string& text, IsLeadByteFn isLeadByte) {
    std::string::size_type last = std::string::npos;
    for (std::string::size_type i = 0; i < text.size();) {
        last = i;
        i += CharacterSize(text, i, isLeadByte);
    }
    return last;
}

bool EndsWithSeparator(const std::string& text, IsLeadByteFn isLeadByte) {
    const std::string::size_type last = LastCharacter(text, isLeadByte);
    return last != std::string::npos && last + 1 == text.size() && IsSeparator(text[last]);
}

bool IsDriveRoot(const std::string& folder) {
    return folder.size() == 3 && folder[1] == ':' && IsSeparator(folder[2]);
}

}  // namespace

std::string ComposeTarget(const std::string& folder, const std::string& name,
                          IsLeadByteFn isLeadByte) {
    return EndsWithSeparator(folder, isLeadByte) ? folder + name : folder + '\\' + name;
}

std::string WithoutTrailingSeparator(const std::string& folder, IsLeadByteFn isLeadByte) {
    if (IsDriveRoot(folder) || !EndsWithSeparator(folder, isLeadByte)) return folder;
    return folder.substr(0, folder.size() - 1);
}

std::string::size_type LastSeparator(const std::string& text, IsLeadByteFn isLeadByte) {
    std::string::size_type last = std::string::npos;
    for (std::string::size_type i = 0; i < text.size(); i += CharacterSize(text, i, isLeadByte)) {
        if (IsSeparator(text[i])) last = i;
    }
    return last;
}

std::string NumberedName(const std::string& name, unsigned n) {
    // A dot is never the trail byte of a double-byte character.
    std::string::size_type dot = name.find_last_of('.');
    if (dot == 0) dot = std::string::npos;
    const std::string number = " (" + std::to_string(n) + ")";
    if (dot == std::string::npos) return name + number;
    return name.substr(0, dot) + number + name.substr(dot);
}
