#pragma once
#include "platform/LeadByte.h"

// The command-line tail: the process command line with the program name and
// the blanks and control characters behind it removed, nothing else changed.
// A quoted program name runs to the next quote, stepping over double-byte
// characters whole; the end of the text always ends it. Returns a pointer into
// the given text.
const char* CommandLineTail(const char* commandLine, IsLeadByteFn isLeadByte);

// Whether the tail is the switch name (such as "/remove"): compared without
// regard to the case of ASCII letters, blanks and tabs around it ignored.
bool IsSwitch(const char* tail, const char* name);
