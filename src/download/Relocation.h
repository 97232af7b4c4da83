#pragma once
#include <string>

// Where a download goes: the folder, one '\', the name. The separator is added
// even when the folder already ends with one.
std::string ComposeTarget(const std::string& folder, const std::string& name);

// Whether two paths are the same text without regard to case, compared in the
// process's multibyte code page. No normalisation: "a\\b" and "a\b" differ.
bool IsSamePath(const std::string& first, const std::string& second);
