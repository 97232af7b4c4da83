#include "platform/FileStatus.h"

#include "platform/Handle.h"
#include "platform/LeadByte.h"
#include "platform/PathText.h"
#include "platform/VolumeRoot.h"

namespace {

// Errors by which the search says that no entry matches; any other failure
// is a refusal to answer, no proof that nothing is there.
bool IsNoEntry(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_NO_MORE_FILES || error == ERROR_INVALID_NAME ||
           error == ERROR_BAD_PATHNAME;
}

bool VolumeAnswers(const std::string& fullPath) {
    DWORD serial = 0, maxComponent = 0, flags = 0;
    const std::string root = VolumeRoot(fullPath, IsAnsiLeadByte);
    return !root.empty() && GetVolumeInformationA(root.c_str(), nullptr, 0, &serial, &maxComponent,
                                                  &flags, nullptr, 0);
}

}  // namespace

bool GetFileStatus(const std::string& path, CFileStatus& status) {
    std::string fullPath;
    std::string::size_type namePart = 0;
    if (!GetFullPath(path, fullPath, namePart)) return false;

    if (VolumeAnswers(fullPath)) {
        WIN32_FIND_DATAA found = {};
        const CFindHandle search(FindFirstFileA(path.c_str(), &found));
        if (search.IsValid()) {
            status.m_attribute =
                static_cast<BYTE>(found.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
            status.m_size =
                (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
            status.m_ctime = found.ftCreationTime;
            status.m_atime = found.ftLastAccessTime;
            status.m_mtime = found.ftLastWriteTime;
            return true;
        }
        if (IsNoEntry(GetLastError())) return false;
    }

    // The volume can't be asked (a share whose root refuses the volume query)
    // or the folder can't be listed (a drop folder one may write but not
    // read): the entry itself answers, with its attributes only.
    if (HasWildcard(path)) return false;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    status = CFileStatus();
    status.m_attribute = static_cast<BYTE>(attributes & ~FILE_ATTRIBUTE_NORMAL);
    return true;
}
