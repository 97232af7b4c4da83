#include "platform/FileIdentity.h"

#include "platform/Handle.h"

namespace {

std::uint64_t Joined(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

}  // namespace

bool GetFileIdentity(const std::string& path, CFileIdentity& identity) {
    // No access rights: only who the file is, so that the browser's own
    // sharing never stands in the way. (9x knows no FILE_SHARE_DELETE.)
    const CHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION information = {};
    if (!file.IsValid() || !GetFileInformationByHandle(file.Get(), &information)) return false;
    identity.m_size = Joined(information.nFileSizeHigh, information.nFileSizeLow);
    identity.m_lastWrite = Joined(information.ftLastWriteTime.dwHighDateTime,
                                  information.ftLastWriteTime.dwLowDateTime);
    identity.m_volumeSerial = information.dwVolumeSerialNumber;
    identity.m_fileIndex = Joined(information.nFileIndexHigh, information.nFileIndexLow);
    return true;
}

bool IsStillFile(const std::string& path, const CFileIdentity& recorded) {
    CFileIdentity now;
    return GetFileIdentity(path, now) && IsSameIdentity(recorded, now);
}
