#pragma once
#include "platform/Win.h"

#include <string>

// Shows a modal message box owned the way the framework owns its boxes: by the
// last active pop-up of the program's active window, or by nothing when the
// program has no active window. Returns the platform's button code.
int AppMessageBox(const std::string& text, const std::string& caption, UINT type);
