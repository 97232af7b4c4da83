#pragma once
#include <string>

// Names derived from the running executable's path.

// The application name: the executable's file name without folder and
// extension, in the letter case the platform reports ("DARIVOVA" for
// "C:\TOOLS\DARIVOVA.EXE").
std::string AppNameFromModulePath(const std::string& modulePath);

// The help file that goes with an executable: its path with the extension
// replaced by ".HLP" (appended when the file name has none).
std::string HelpFileFromModulePath(const std::string& modulePath);
