#include "download/FreeName.h"

#include "download/TargetName.h"
#include "platform/FileStatus.h"
#include "platform/LeadByte.h"
#include "platform/Rename.h"

bool IsTaken(const std::string& path, DWORD error) {
    CFileStatus status;
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ||
           GetFileStatus(path, status);
}

bool GiveFreeName(const std::string& file, const std::string& folder, const std::string& name,
                  DWORD patienceMs, std::string& target) {
    for (unsigned n = 1;; ++n) {
        target = ComposeTarget(folder, n == 1 ? name : NumberedName(name, n), IsAnsiLeadByte);
        if (!FitsPath(target)) return false;
        const DWORD error = RenameFile(file, target, patienceMs);
        if (error == ERROR_SUCCESS) return true;
        if (!IsTaken(target, error)) return false;
    }
}
