#pragma once
#include "platform/Win.h"

#include <string>

// What the shell reported for a move. Its result alone cannot be trusted:
// callers confirm the move on the file system afterwards.
struct CShellMove {
    int m_nResult = 0;           // SHFileOperationA's result; 0 is success
    bool m_bAnyAborted = false;  // fAnyOperationsAborted
};

// Moves one file with SHFileOperationA (FO_MOVE, no owner), each path in its
// own double-NUL list, onto a target that the caller claimed for it (an
// empty file it created there): the shell replaces that claim without
// asking. False, without calling the shell, when a path is unusable: 260
// characters or longer (the platform's limit counts the terminator), or
// holding '*' or '?', which the shell would take as a pattern for many
// files. outcome is set only when the shell was called.
bool ShellMoveFile(const std::string& source, const std::string& target, CShellMove& outcome);
