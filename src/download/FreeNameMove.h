#pragma once
#include "download/HandedOver.h"

#include <string>

// Moves the download into folder under the first free variant of name
// ("name", "name (2)", "name (3)", ...), and never replaces or deletes an
// entry this run can't see is its own, on Windows 9x and NT alike and across
// drives:
//   1. a staging folder of this run's own is made (CStagingFolder), with the
//      run's record; the shell moves the file into it under a name nobody
//      takes for the archive, with its progress display and Cancel for a
//      long copy to another drive; nothing there can be replaced;
//   2. only a copy that arrived whole (IsWholeCopy) gets its name, by
//      MoveFileA within one volume, which fails where the name exists.
// True with target where the file now is. False when it did not arrive
// whole: then the download is at its source, or, where that can't be seen,
// what arrived is put back there, or left in the staging folder for a later
// run to judge. The caller made sure the file at the source is still the
// one handed over.
bool MoveUnderFreeName(const CHandedOver& download, const std::string& folder,
                       const std::string& name, std::string& target);
