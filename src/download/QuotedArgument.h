#pragma once
#include "platform/LeadByte.h"

#include <string>

// The download's path from the command-line tail. A tail that opens with a
// quote gives the text up to the next quote (a quote can never be part of a
// Windows path), whatever follows that; without a closing quote, the opening
// one is dropped and the rest is the path. Any other tail is the path as it
// is. Trailing blanks and tabs outside quotes are ignored. Steps over
// double-byte characters whole, as the tail itself was cut.
std::string UnquotedArgument(const std::string& tail, IsLeadByteFn isLeadByte);
