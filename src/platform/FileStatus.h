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

constexpr BYTE kDirectoryAttribute = 0x10;

// The file-status query, in three stages, each of which can fail it: the full
// path must be formed (under 260 characters), its volume must answer, and a
// find-first search on the unchanged text must find an entry. So a path that
// ends in '\' or names a drive root finds nothing. Leaves status untouched on
// failure.
bool GetFileStatus(const std::string& path, CFileStatus& status);

// The full path of a text, formed in a 260-character buffer, with the offset
// of its file-name part (npos when it has none). False when the platform
// fails or the result does not fit.
bool GetFullPath(const std::string& path, std::string& fullPath, std::string::size_type& namePart);

// Whether a path holds '*' or '?': it names no one file, and the file search
// and the shell would take it as a pattern for many.
inline bool HasWildcard(const std::string& path) {
    return path.find_first_of("*?") != std::string::npos;
}

// Whether two path texts are equal without regard to case, compared in the
// system's ANSI code page as the file systems compare names (see
// EqualsIgnoringPathCase): a lead byte and its trail byte are one character.
bool IsSamePathText(const std::string& first, const std::string& second);

// Whether two paths name one existing file, whatever their spelling: 8.3
// short and long forms, "." and ".." steps, links. Compared by volume serial
// number and file index while both files are open; where the system reports
// either as 0 (unknown), by the texts of their full short paths. False when
// either file can't be opened.
bool IsSameFile(const std::string& first, const std::string& second);
