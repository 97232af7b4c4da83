#pragma once
#include <cstdint>
#include <string>

// What tells a file from another one that takes its name later: its size and
// last-write time, and the volume's serial number and the file's index on it
// where the system reports them (0 where it reports none, as some
// redirectors do).
struct CFileIdentity {
    std::uint64_t m_size = 0;
    std::uint64_t m_lastWrite = 0;  // the FILETIME as one number
    std::uint32_t m_volumeSerial = 0;
    std::uint64_t m_fileIndex = 0;

    bool HasIndex() const { return m_volumeSerial != 0 && m_fileIndex != 0; }
};

// Whether the file found now is still the one recorded: the same size and
// last-write time, and the same volume and index where both records hold them.
inline bool IsSameIdentity(const CFileIdentity& recorded, const CFileIdentity& now) {
    if (recorded.m_size != now.m_size || recorded.m_lastWrite != now.m_lastWrite) return false;
    if (!recorded.HasIndex() || !now.HasIndex()) return true;
    return recorded.m_volumeSerial == now.m_volumeSerial && recorded.m_fileIndex == now.m_fileIndex;
}

// The identity of an existing file, asked through a handle with no access
// rights; false, leaving identity untouched, when the file can't be opened
// or asked.
bool GetFileIdentity(const std::string& path, CFileIdentity& identity);

// Whether path still names the file recorded; false when nothing is there.
bool IsStillFile(const std::string& path, const CFileIdentity& recorded);

// Whether two paths name one existing file, whatever their spelling: 8.3
// short and long forms, "." and ".." steps, links. Compared by volume serial
// number and file index while both files are open; where the system reports
// either as 0 (unknown), by the texts of their full short paths. False when
// either file can't be opened.
bool IsSameFile(const std::string& first, const std::string& second);
