#pragma once
#include <string>

// The help file that goes with an executable: its path with the extension
// replaced by ".HLP" (appended when the file name has none).
std::string HelpFileFromModulePath(const std::string& modulePath);
