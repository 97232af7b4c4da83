#include "app/VersionCheck.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    const char* system;
    std::uint32_t version;
    bool supported;
};

class VersionCheckTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionCheckTest, RefusesOnlyNtBeforeFour) {
    EXPECT_EQ(IsSupportedVersion(GetParam().version), GetParam().supported) << GetParam().system;
}

INSTANTIATE_TEST_SUITE_P(
    Systems, VersionCheckTest,
    ::testing::Values(VersionCase{"nt310", 0x0000'0A03, false},
                      VersionCase{"nt350", 0x0000'3203, false},
                      VersionCase{"nt351", 0x0421'3303, false},
                      VersionCase{"nt3.94", 0x0000'5E03, false},
                      VersionCase{"nt3.95", 0x0000'5F03, true},
                      VersionCase{"nt40", 0x0565'0004, true},
                      VersionCase{"win95", 0xC000'0004, true},
                      VersionCase{"win98", 0xC000'0A04, true},
                      VersionCase{"win32s", 0x8000'0A03, true},
                      VersionCase{"ninefamily-major0", 0x8000'0000, true},
                      VersionCase{"winxp", 0x0A28'0105, true},
                      VersionCase{"win7", 0x1DB1'0106, true},
                      VersionCase{"win10", 0x23F0'0206, true},
                      VersionCase{"zero", 0, false}));

}  // namespace
