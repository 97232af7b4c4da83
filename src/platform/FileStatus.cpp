#include "platform/FileStatus.h"

#include "platform/FindHandle.h"
#include "platform/Handle.h"

namespace {

// The root of a full path's volume: "C:\" or "\\server\share\".
std::string VolumeRoot(const std::string& fullPath) {
    if (fullPath.compare(0, 2, "\\\\") != 0) return fullPath.substr(0, 3);
    const std::string::size_type serverEnd = fullPath.find('\\', 2);
    if (serverEnd == std::string::npos) return fullPath + '\\';
    const std::string::size_type shareEnd = fullPath.find('\\', serverEnd + 1);
    if (shareEnd == std::string::npos) return fullPath + '\\';
    return fullPath.substr(0, shareEnd + 1);
}

// Opened for no access at all: only to ask who the file is, so that no
// other holder's sharing stands in the way. (9x knows no FILE_SHARE_DELETE.)
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& identity) {
    const CHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    return file.IsValid() && GetFileInformationByHandle(file.Get(), &identity);
}

}  // namespace

bool GetFullPath(const std::string& path, std::string& fullPath, std::string::size_type& namePart) {
    char buffer[MAX_PATH] = {};
    char* filePart = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, &filePart);
    if (length == 0 || length >= MAX_PATH) return false;
    fullPath.assign(buffer, length);
    namePart = filePart != nullptr ? static_cast<std::string::size_type>(filePart - buffer)
                                   : std::string::npos;
    return true;
}

bool GetFileStatus(const std::string& path, CFileStatus& status) {
    std::string fullPath;
    std::string::size_type namePart = 0;
    if (!GetFullPath(path, fullPath, namePart)) return false;

    DWORD serial = 0, maxComponent = 0, flags = 0;
    if (!GetVolumeInformationA(VolumeRoot(fullPath).c_str(), nullptr, 0, &serial, &maxComponent,
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

bool IsVolumeRoot(const std::string& fullPath) {
    const std::string root = VolumeRoot(fullPath);
    return root == fullPath || root == fullPath + '\\';
}

bool IsSameFile(const std::string& first, const std::string& second) {
    BY_HANDLE_FILE_INFORMATION a = {};
    BY_HANDLE_FILE_INFORMATION b = {};
    return FileIdentity(first, a) && FileIdentity(second, b) &&
           a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}
