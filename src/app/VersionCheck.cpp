#include "app/VersionCheck.h"

namespace {

constexpr std::uint32_t kWindows95Family = 0x80000000u;
constexpr std::uint32_t kMinimumMajor = 4;
constexpr std::uint32_t kMinimumMinor = 95;

}  // namespace

bool IsSupportedVersion(std::uint32_t version) {
    if ((version & kWindows95Family) != 0) return true;
    if ((version & 0xFFu) >= kMinimumMajor) return true;
    return ((version >> 8) & 0xFFu) >= kMinimumMinor;
}
