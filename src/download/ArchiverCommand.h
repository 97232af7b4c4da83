#pragma once
#include "platform/LeadByte.h"

#include <string>

// The archive utility's file name with the backslash before it, lower case.
inline constexpr char kArchiverMarker[] = "\\ombrix32.exe";

// The executable path in a lower-cased open command: everything up to and
// including the first "\ombrix32.exe", found stepping over double-byte
// characters whole; empty when the command does not name it. An opening quote
// stays in it; what follows the marker is dropped.
std::string ArchiverPathFromCommand(const std::string& lowerCommand, IsLeadByteFn isLeadByte);

// The executable path as the shell can start it: without the opening quote
// that the path from a quoted command keeps and that nothing closes. The shell
// refuses a file name with an unmatched quote.
std::string WithoutUnmatchedQuote(const std::string& path);
