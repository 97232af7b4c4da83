#pragma once
#include "platform/Win.h"

#include <string_view>

// The bytes of a resource of the module, valid as long as the module is
// loaded; empty when there is no such resource.
std::string_view FindResourceBytes(HMODULE module, LPCSTR name, LPCSTR type);
