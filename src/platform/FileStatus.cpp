#include "platform/FileStatus.h"

#include "platform/FindHandle.h"
#include "platform/Handle.h"
#include "platform/Module.h"
#include "platform/PathCase.h"
#include "platform/VolumeRoot.h"

namespace {

// Opened for no access at all: only to ask who the file is, so that no
// other holder's sharing stands in the way. (9x knows no FILE_SHARE_DELETE.)
CHandle OpenForIdentity(const std::string& path) {
    return CHandle(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr));
}

// A file index of 0 or a volume serial number of 0 tells nothing: some
// redirectors report them so.
bool IsKnownIdentity(const BY_HANDLE_FILE_INFORMATION& identity) {
    return identity.dwVolumeSerialNumber != 0 &&
           (identity.nFileIndexHigh != 0 || identity.nFileIndexLow != 0);
}

// The full path of an existing file in its 8.3 short form, the one spelling
// that every other spelling of it comes to; the full path when the system
// gives no short form.
std::string ShortFullPath(const std::string& path) {
    std::string fullPath;
    std::string::size_type namePart = 0;
    if (!GetFullPath(path, fullPath, namePart)) return path;
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(fullPath.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : fullPath;
}

// The system's upper case of one character in the ANSI code page: CharUpperBuffA
// takes a double-byte character whole, on Windows 9x and NT alike (its wide
// counterpart is a stub on 9x).
void SystemUpperCase(char* character, std::size_t size) {
    CharUpperBuffA(character, static_cast<DWORD>(size));
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

bool IsSamePathText(const std::string& first, const std::string& second) {
    return EqualsIgnoringPathCase(first, second, IsAnsiLeadByte, SystemUpperCase);
}

bool IsSameFile(const std::string& first, const std::string& second) {
    // Both open at once: a file index holds only while a handle is open.
    const CHandle a = OpenForIdentity(first);
    const CHandle b = OpenForIdentity(second);
    BY_HANDLE_FILE_INFORMATION identityA = {};
    BY_HANDLE_FILE_INFORMATION identityB = {};
    if (!a.IsValid() || !b.IsValid() || !GetFileInformationByHandle(a.Get(), &identityA) ||
        !GetFileInformationByHandle(b.Get(), &identityB)) {
        return false;
    }
    if (IsKnownIdentity(identityA) && IsKnownIdentity(identityB)) {
        return identityA.dwVolumeSerialNumber == identityB.dwVolumeSerialNumber &&
               identityA.nFileIndexHigh == identityB.nFileIndexHigh &&
               identityA.nFileIndexLow == identityB.nFileIndexLow;
    }
    return IsSamePathText(ShortFullPath(first), ShortFullPath(second));
}
