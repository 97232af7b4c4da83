#pragma once
#include <cstdint>

// Whether the packed version value of the system passes start-up: any system of
// the Windows 95 family (bit 31), else a major version of 4 or more, else a
// minor version of 95 or more. So Windows NT before 4.0 is refused.
bool IsSupportedVersion(std::uint32_t version);
