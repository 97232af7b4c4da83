#pragma once
#include "platform/Win.h"

#include <string>

// What the file-status query reports for an existing entry.
struct CFileStatus {
    BYTE m_attribute = 0;  // the entry's attributes without FILE_ATTRIBUTE_NORMAL (0x80)
    ULONGLONG m_size = 0;
    FILETIME m_ctime = {};
    FILETIME m_atime = {};
    FILETIME m_mtime = {};
};

// The file-status query, in three stages, each of which can fail it: the full
// path must be formed (under 260 characters), its volume must answer, and a
// find-first search on the unchanged text must find an entry. So a path that
// ends in '\' or names a drive root finds nothing. Where the volume or the
// search refuses to answer (a share's root refuses the volume query; a drop
// folder refuses its listing), the entry's attributes are asked instead, and
// size and times stay 0. Leaves status untouched on failure.
bool GetFileStatus(const std::string& path, CFileStatus& status);
