#pragma once
#include "platform/LeadByte.h"

#include <string>

// The download's path from the command-line tail: the text between the quotes
// when the whole tail is one quoted text (a quote can never be part of a
// Windows path), otherwise the tail unchanged. Steps over double-byte
// characters whole, as the tail itself was cut.
std::string UnquotedArgument(const std::string& tail, IsLeadByteFn isLeadByte);
