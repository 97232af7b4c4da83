#pragma once
// What the download tests share: the line records that the stand-ins keep
// (read by the Windows-side tests too), the bytes of a download, and the
// stored download folder.
#include "Files.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace dlbench {

using testfs::ReadBytes;
using testfs::RemoveTree;
using testfs::WriteBytes;

// The lines of a stand-in's record (CR LF ended), each split at '|'; empty
// when there is no record.
std::vector<std::vector<std::string>> ReadLines(const std::string& path);

// The bytes navigator_standin writes for download n (1, 2, ...) with --size.
std::string PatternBytes(std::size_t size, int n);

// Waits until the archive-utility stand-in has recorded count starts in its
// log (10 s at most; the shell returns before the utility runs), and a little
// longer for any start too many; then all it recorded.
std::vector<std::vector<std::string>> WaitForLaunches(const std::string& log, std::size_t count);

// The stored LaunchDir text up to its first NUL, or "<none>".
std::string StoredLaunchDir();

}  // namespace dlbench
