#pragma once
#include <string>

// Whether a target would be the download's own path: the same text without
// regard to case, compared in the process's multibyte code page, or, when
// both exist, the same file under another spelling (8.3 short and long
// forms, "." and ".." steps, forward slashes, links).
bool IsSamePath(const std::string& source, const std::string& target);

// The download folder a folder text names: made full against the current
// folder, without a trailing separator unless it is a drive's root. Empty
// when the text is empty or can't be made full: it names no folder.
std::string DownloadFolder(const std::string& text);
