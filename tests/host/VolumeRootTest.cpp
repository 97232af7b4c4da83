#include "platform/VolumeRoot.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RootCase {
    const char* name;
    std::string fullPath;
    std::string root;
    bool isRoot;
};

class VolumeRootTest : public ::testing::TestWithParam<RootCase> {};

TEST_P(VolumeRootTest, RootOfTheVolume) {
    const RootCase& c = GetParam();
    EXPECT_EQ(VolumeRoot(c.fullPath, ShiftJisLeadByte), c.root);
    EXPECT_EQ(IsVolumeRoot(c.fullPath, ShiftJisLeadByte), c.isRoot);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, VolumeRootTest,
    ::testing::Values(
        RootCase{"DriveFolder", "C:\\Download", "C:\\", false},
        RootCase{"DriveRoot", "C:\\", "C:\\", true},
        RootCase{"DriveRootWithoutSeparator", "C:", "C:\\", true},
        RootCase{"ShareFolder", "\\\\host\\share\\Download", "\\\\host\\share\\", false},
        RootCase{"ShareRoot", "\\\\host\\share", "\\\\host\\share\\", true},
        RootCase{"ShareRootWithSeparator", "\\\\host\\share\\", "\\\\host\\share\\", true},
        // 0x95 0x5C is one character in code page 932 (表): its trail byte is
        // no separator, in the server's name nor in the share's.
        RootCase{"TrailByte5CInServer", "\\\\\x95\x5C\\share\\dl", "\\\\\x95\x5C\\share\\", false},
        RootCase{"TrailByte5CInShare", "\\\\host\\\x95\x5C\\dl", "\\\\host\\\x95\x5C\\", false},
        RootCase{"TrailByte5CShareRoot", "\\\\host\\\x95\x5C", "\\\\host\\\x95\x5C\\", true},
        // No volume at all: an empty folder text is not the current drive.
        RootCase{"Empty", "", "", false},
        RootCase{"Relative", "Download", "", false}),
    CaseName());

}  // namespace
