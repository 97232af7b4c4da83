#pragma once
#include "platform/Win.h"

#include <string>

// A text of the module's string table, whole, in the ANSI code page; empty
// when the id has none.
std::string LoadResourceString(HINSTANCE module, UINT id);
