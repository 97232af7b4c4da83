#pragma once
#include <string>

// Moves the file at source into folder under the first free variant of name
// (name, "name (2)", "name (3)", ...), and never replaces or deletes an entry
// this run did not create, on Windows 9x and NT alike and across drives:
//   1. a folder of this run's own is created inside the download folder
//      (CreateDirectoryA fails where the name exists, so it is never
//      shared), and the shell moves the file into it, with its progress
//      display and Cancel for a long copy to another drive; nothing is there
//      to be replaced;
//   2. MoveFileA, within that one volume, gives the file its free name: it
//      fails where the name exists, and the next name is tried.
// Whether the file left its source is told by the file system, not by the
// shell's result. True with target where the file now is. False when it did
// not move: it is at source (or gone), and whatever the move left in the
// folder of its own, a partial copy say, is removed with that folder.
bool MoveUnderFreeName(const std::string& source, const std::string& folder,
                       const std::string& name, std::string& target);
