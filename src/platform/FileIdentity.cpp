#include "platform/FileIdentity.h"

#include "platform/Handle.h"
#include "platform/PathText.h"

namespace {

std::uint64_t Joined(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

// Opened for no access at all: only to ask who the file is, so that no
// other holder's sharing, the browser's say, stands in the way. (9x knows
// no FILE_SHARE_DELETE.)
CHandle OpenForIdentity(const std::string& path) {
    return CHandle(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr));
}

bool Identify(const CHandle& file, CFileIdentity& identity) {
    BY_HANDLE_FILE_INFORMATION information = {};
    if (!file.IsValid() || !GetFileInformationByHandle(file.Get(), &information)) return false;
    identity.m_size = Joined(information.nFileSizeHigh, information.nFileSizeLow);
    identity.m_lastWrite = Joined(information.ftLastWriteTime.dwHighDateTime,
                                  information.ftLastWriteTime.dwLowDateTime);
    identity.m_volumeSerial = information.dwVolumeSerialNumber;
    identity.m_fileIndex = Joined(information.nFileIndexHigh, information.nFileIndexLow);
    return true;
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

}  // namespace

bool GetFileIdentity(const std::string& path, CFileIdentity& identity) {
    return Identify(OpenForIdentity(path), identity);
}

bool IsStillFile(const std::string& path, const CFileIdentity& recorded) {
    CFileIdentity now;
    return GetFileIdentity(path, now) && IsSameIdentity(recorded, now);
}

bool IsSameFile(const std::string& first, const std::string& second) {
    // Both open at once: a file index holds only while a handle is open.
    const CHandle a = OpenForIdentity(first);
    const CHandle b = OpenForIdentity(second);
    CFileIdentity identityA;
    CFileIdentity identityB;
    if (!Identify(a, identityA) || !Identify(b, identityB)) return false;
    if (identityA.HasIndex() && identityB.HasIndex()) {
        return identityA.m_volumeSerial == identityB.m_volumeSerial &&
               identityA.m_fileIndex == identityB.m_fileIndex;
    }
    return IsSamePathText(ShortFullPath(first), ShortFullPath(second));
}
