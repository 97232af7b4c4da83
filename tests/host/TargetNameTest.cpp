#include "download/TargetName.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FolderCase {
    const char* name;
    std::string folder;
    std::string withoutSeparator;
    std::string target;  // of the name "a.zip"
};

class FolderTextTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderTextTest, OneSeparatorBetweenFolderAndName) {
    const FolderCase& c = GetParam();
    EXPECT_EQ(WithoutTrailingSeparator(c.folder, ShiftJisLeadByte), c.withoutSeparator);
    EXPECT_EQ(ComposeTarget(WithoutTrailingSeparator(c.folder, ShiftJisLeadByte), "a.zip",
                            ShiftJisLeadByte),
              c.target);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderTextTest,
    ::testing::Values(
        FolderCase{"Plain", "C:\\Download", "C:\\Download", "C:\\Download\\a.zip"},
        FolderCase{"TrailingBackslash", "C:\\Download\\", "C:\\Download", "C:\\Download\\a.zip"},
        FolderCase{"TrailingSlash", "C:\\Download/", "C:\\Download", "C:\\Download\\a.zip"},
        FolderCase{"DriveRoot", "C:\\", "C:\\", "C:\\a.zip"},
        FolderCase{"Share", "\\\\host\\share\\", "\\\\host\\share", "\\\\host\\share\\a.zip"},
        // 0x83 0x5C is one character in code page 932 (ソ), not a separator.
        FolderCase{"TrailByte5C", "C:\\\x83\x5C", "C:\\\x83\x5C", "C:\\\x83\x5C\\a.zip"},
        FolderCase{"TrailByte5CThenSeparator", "C:\\\x83\x5C\\", "C:\\\x83\x5C",
                   "C:\\\x83\x5C\\a.zip"},
        FolderCase{"Empty", "", "", "\\a.zip"}),
    CaseName());

struct NumberCase {
    const char* name;
    std::string fileName;
    unsigned n;
    std::string numbered;
};

class NumberedNameTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberedNameTest, NumberGoesBeforeTheLastDot) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(NumberedName(c.fileName, c.n), c.numbered);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NumberedNameTest,
    ::testing::Values(NumberCase{"Extension", "tools.zip", 2, "tools (2).zip"},
                      NumberCase{"TwoDots", "tools.tar.gz", 2, "tools.tar (2).gz"},
                      NumberCase{"NoDot", "README", 3, "README (3)"},
                      NumberCase{"LeadingDotOnly", ".profile", 2, ".profile (2)"},
                      NumberCase{"TwoDigits", "a.zip", 12, "a (12).zip"},
                      NumberCase{"DoubleByteStem", "\x83\x5C.zip", 2, "\x83\x5C (2).zip"}),
    CaseName());

}  // namespace
