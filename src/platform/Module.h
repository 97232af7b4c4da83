#pragma once
#include "platform/Win.h"
#include <string>

// The full path of a module as the platform reports it, read into a buffer of
// the platform's 260-character path limit.
std::string GetModulePath(HMODULE module);

// The running program's application name (see AppNameFromModulePath).
std::string GetApplicationName();
