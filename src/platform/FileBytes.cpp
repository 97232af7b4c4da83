#include "platform/FileBytes.h"

#include "platform/InUse.h"

CFileBytes::CFileBytes(const std::string& path, DWORD patienceMs) {
    m_dwError = RetryWhileInUse(patienceMs, [&] {
        m_file = CHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        return m_file.IsValid() ? ERROR_SUCCESS : GetLastError();
    });
}

bool CFileBytes::Size(std::uint64_t& size) {
    DWORD high = 0;
    const DWORD low = GetFileSize(m_file.Get(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
    size = (static_cast<std::uint64_t>(high) << 32) | low;
    return true;
}

bool CFileBytes::Read(std::uint64_t offset, std::size_t length, std::string& bytes) {
    LONG high = static_cast<LONG>(offset >> 32);
    if (SetFilePointer(m_file.Get(), static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        return false;
    }
    bytes.assign(length, '\0');
    DWORD read = 0;
    return length == 0 ||
           (ReadFile(m_file.Get(), &bytes[0], static_cast<DWORD>(length), &read, nullptr) &&
            read == length);
}
