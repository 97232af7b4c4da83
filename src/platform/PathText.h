#pragma once
#include <string>

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
