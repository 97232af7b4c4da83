#pragma once
#include "platform/LeadByte.h"

#include <string>

// A run moves its download through a new folder of its own: "~D0", "~D1",
// ..., short so that a long download path still fits in it.
inline constexpr unsigned kStagingFolders = 1000;

// "~D" and n, for n below kStagingFolders.
std::string StagingFolderName(unsigned n);

// Whether an entry's name is one of those: "~D" and 1 to 3 digits, no
// leading zero but in "~D0". A file search for "~D*" also matches other
// names, and 8.3 aliases.
bool IsStagingFolderName(const std::string& name);

// The folder that holds the staging folders for downloads into folder (a
// full path): the folder itself, or, where a staging folder's path there
// would be too long for CreateDirectoryA, its nearest ancestor where it fits,
// on the same volume; never above the volume's root.
std::string StagingParent(const std::string& folder, IsLeadByteFn isLeadByte);
