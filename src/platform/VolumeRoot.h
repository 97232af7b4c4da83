#pragma once
#include "platform/LeadByte.h"

#include <string>

// The root of a full path's volume: "C:\" for a drive, "\\server\share\" for
// a share (with the closing separator added when the path ends before it).
// Steps over double-byte characters whole, so a trail byte 0x5C in a server
// or share name is no separator. Empty for a text that names no volume: an
// empty or relative text.
std::string VolumeRoot(const std::string& fullPath, IsLeadByteFn isLeadByte);

// Whether a full path is the root of its volume, with or without the closing
// separator. An empty text is no root.
bool IsVolumeRoot(const std::string& fullPath, IsLeadByteFn isLeadByte);
