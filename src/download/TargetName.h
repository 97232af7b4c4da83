#pragma once
#include "platform/LeadByte.h"

#include <cstddef>
#include <string>

// The platform's longest path, 260 characters with its terminator.
inline constexpr std::size_t kMaxPath = 260;
// CreateDirectoryA leaves room in that for an 8.3 name: 248 with the terminator.
inline constexpr std::size_t kMaxFolderPath = kMaxPath - 12;

inline bool FitsPath(const std::string& path) { return path.size() < kMaxPath; }
inline bool FitsFolderPath(const std::string& path) { return path.size() < kMaxFolderPath; }

// Where a download goes: the folder, then the name, with exactly one '\'
// between them; none is added when the folder already ends with one, as a
// drive's root "C:\" does. A trail byte 0x5C of a double-byte character is
// no separator.
std::string ComposeTarget(const std::string& folder, const std::string& name,
                          IsLeadByteFn isLeadByte);

// The folder text without the '\' or '/' it may end with, which names the
// same folder; a drive's root ("C:\") keeps its separator.
std::string WithoutTrailingSeparator(const std::string& folder, IsLeadByteFn isLeadByte);

// Where the text's last '\' or '/' is, stepping over double-byte characters
// whole, so a trail byte 0x5C is none; npos when it has none.
std::string::size_type LastSeparator(const std::string& text, IsLeadByteFn isLeadByte);

// The candidate for a name that is taken, for n = 2, 3, ...: "stem (n).ext",
// split at the name's last dot ("tools.tar.gz" gives "tools.tar (2).gz").
// A name without a dot, or whose only dot leads it (".profile"), gets the
// number at its end: "README (2)".
std::string NumberedName(const std::string& name, unsigned n);
