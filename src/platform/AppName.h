#pragma once
#include <string>

// The application name: the executable's file name without folder and
// extension, in the letter case the platform reports ("DARIVOVA" for
// "C:\TOOLS\DARIVOVA.EXE").
std::string AppNameFromModulePath(const std::string& modulePath);
