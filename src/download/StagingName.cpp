#include "download/StagingName.h"

#include "download/TargetName.h"
#include "platform/VolumeRoot.h"

namespace {

constexpr char kPrefix[] = "~D";

}  // namespace

std::string StagingFolderName(unsigned n) { return kPrefix + std::to_string(n); }

bool IsStagingFolderName(const std::string& name) {
    // "~D" then 1 to 3 digits, the first not a 0 unless alone.
    if (name.size() < 3 || name.size() > 5 || name.compare(0, 2, kPrefix) != 0) return false;
    for (std::string::size_type i = 2; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
    }
    return name[2] != '0' || name.size() == 3;
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
