#pragma once
#include "platform/Win.h"

#include <string>

// Moves one file with SHFileOperationA (FO_MOVE, no owner, no flags), each
// path in its own double-NUL list: the shell shows its own progress and
// Cancel for a long copy, and asks before it replaces a file. Its result
// can't be trusted (it reports success for a move that did not happen), so
// callers look at the file system afterwards. False, without calling the
// shell, when a path is unusable: 260 characters or longer (the platform's
// limit counts the terminator), or holding '*' or '?', which the shell would
// take as a pattern for many files.
bool ShellMoveFile(const std::string& source, const std::string& target);
