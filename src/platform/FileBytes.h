#pragma once
#include "platform/ByteSource.h"
#include "platform/Handle.h"

// A file opened for reading, sharing reading and writing with its other
// holders, as the shell's copy and the browser hold theirs. While the system
// reports the file in use without sharing (a virus scanner looking at a file
// that has just arrived), the open is tried again for up to patienceMs.
class CFileBytes : public CByteSource {
public:
    CFileBytes(const std::string& path, DWORD patienceMs);

    // Whether the file is open; else Error() says why.
    bool IsOpen() const { return m_file.IsValid(); }
    DWORD Error() const { return m_dwError; }

    bool Size(std::uint64_t& size) override;
    bool Read(std::uint64_t offset, std::size_t length, std::string& bytes) override;

private:
    CHandle m_file;
    DWORD m_dwError = ERROR_SUCCESS;
};
