#include "platform/FileStatus.h"

#include "platform/Handle.h"
#include "platform/LeadByte.h"
#include "platform/PathText.h"
#include "platform/VolumeRoot.h"

bool GetFileStatus(const std::string& path, CFileStatus& status) {
    std::string fullPath;
    std::string::size_type namePart = 0;
    if (!GetFullPath(path, fullPath, namePart)) return false;

    DWORD serial = 0, maxComponent = 0, flags = 0;
    const std::string root = VolumeRoot(fullPath, IsAnsiLeadByte);
    if (root.empty() || !GetVolumeInformationA(root.c_str(), nullptr, 0, &serial, &maxComponent,
                               &flags, nullptr, 0)) {
        return false;
    }

    WIN32_FIND_DATAA found = {};
    const CFindHandle search(FindFirstFileA(path.c_str(), &found));
    if (!search.IsValid()) return false;

    status.m_attribute = static_cast<BYTE>(found.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
    status.m_size = (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    status.m_ctime = found.ftCreationTime;
    status.m_atime = found.ftLastAccessTime;
    status.m_mtime = found.ftLastWriteTime;
    return true;
}
