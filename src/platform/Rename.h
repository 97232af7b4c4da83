#pragma once
#include "platform/Win.h"

#include <string>

// MoveFileA, which never replaces an existing entry, on Windows 9x and NT
// alike; while the system reports the file in use (IsInUse), tried again for
// up to patienceMs. ERROR_SUCCESS, or the system's error.
DWORD RenameFile(const std::string& from, const std::string& to, DWORD patienceMs);
