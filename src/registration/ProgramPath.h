#pragma once
#include "platform/LeadByte.h"

#include <string>

// Whether a viewer value's data names the program at programPath, or a copy
// of it elsewhere: after the blanks and quotes around it, the data is a path
// with a folder whose file name is the program's own, in any letter case of
// its ASCII letters. So a registration made from another folder counts.
// Steps over double-byte characters whole: a trail byte 0x5C is no
// separator.
bool NamesProgram(const std::string& data, const std::string& programPath,
                  IsLeadByteFn isLeadByte);
