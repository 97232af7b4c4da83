#pragma once
#include "platform/Win.h"

#include <string>

// Whether a create or rename at path failed because the name is taken. NT
// says so in the error; Windows 9x, like MS-DOS before it, may answer
// ERROR_ACCESS_DENIED instead, so there the name itself is looked at.
bool IsTaken(const std::string& path, DWORD error);

// Whether a delete or rename that failed with error left nothing behind
// because there was nothing there.
inline bool WasAbsent(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Moves file, within one volume, to the first free variant of name in folder
// ("name", "name (2)", "name (3)", ...) with MoveFileA, which never replaces
// an entry: a taken name is passed over. While the file is in use, each
// rename waits up to patienceMs. True with target where the file now is;
// false when no name that fits is free or the system refuses for another
// reason.
bool GiveFreeName(const std::string& file, const std::string& folder, const std::string& name,
                  DWORD patienceMs, std::string& target);
