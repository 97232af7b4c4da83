#include "download/StagingName.h"

#include "download/TargetName.h"
#include "platform/VolumeRoot.h"

namespace {

constexpr char kPrefix[] = "~D";

// Where the text's last '\' or '/' is, stepping over double-byte characters
// whole; npos when it has none.
std::string::size_type LastSeparator(const std::string& text, IsLeadByteFn isLeadByte) {
    std::string::size_type last = std::string::npos;
    for (std::string::size_type i = 0; i < text.size(); i += CharacterSize(text, i, isLeadByte)) {
        if (text[i] == '\\' || text[i] == '/') last = i;
    }
    return last;
}

}  // namespace

std::string StagingFolderName(unsigned n) { return kPrefix + std::to_string(n); }

bool IsStagingFolderName(const std::string& name) {
    const std::string digits = name.substr(0, 2) == kPrefix ? name.substr(2) : std::string();
    if (digits.empty() || digits.size() > 3 || (digits[0] == '0' && digits.size() > 1)) {
        return false;
    }
    return digits.find_first_not_of("0123456789") == std::string::npos;
}

std::string StagingParent(const std::string& folder, IsLeadByteFn isLeadByte) {
    const std::string longestName = StagingFolderName(kStagingFolders - 1);
    std::string parent = WithoutTrailingSeparator(folder, isLeadByte);
    const std::string root = VolumeRoot(parent, isLeadByte);
    while (!FitsFolderPath(ComposeTarget(parent, longestName, isLeadByte)) &&
           parent.size() > root.size()) {
        const std::string::size_type cut = LastSeparator(parent, isLeadByte);
        if (cut == std::string::npos) break;
        parent = parent.substr(0, cut);
        // "C:" is the drive's current folder, not its root "C:\".
        if (!root.empty() && parent.size() < root.size()) parent = root;
    }
    return parent;
}
