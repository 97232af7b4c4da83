#include "download/SafeName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NameCase {
    const char* name;
    std::string input;
    std::string safe;
};

class SafeFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(SafeFileNameTest, FromUrlName) {
    const NameCase& c = GetParam();
    EXPECT_EQ(SafeFileName(c.input, "M1234.TMP"), c.safe);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SafeFileNameTest,
    ::testing::Values(
        // Valid names stay exactly as they were.
        NameCase{"Plain", "tools.zip", "tools.zip"},
        NameCase{"BlanksAndDots", "my tools v1.2.tar.gz", "my tools v1.2.tar.gz"},
        NameCase{"LeadingDot", ".profile", ".profile"},
        NameCase{"HighBytes", "\xE9t\xE9.zip", "\xE9t\xE9.zip"},
        NameCase{"Escapes", "my%20tools.zip", "my%20tools.zip"},
        NameCase{"DeviceInsideName", "icon.zip", "icon.zip"},
        NameCase{"DeviceWithSuffix", "con1.zip", "con1.zip"},
        NameCase{"DeviceAfterDot", "a.con", "a.con"},
        NameCase{"Com10", "COM10.zip", "COM10.zip"},
        NameCase{"Lpt0", "lpt0", "lpt0"},
        // Characters Windows refuses become '_'.
        NameCase{"Query", "get.cgi?f=a.zip", "get.cgi_f=a.zip"},
        NameCase{"StreamColon", "a.zip:evil", "a.zip_evil"},
        NameCase{"EveryRefused", "<>:\"/\\|?*", "_________"},
        NameCase{"ControlCodes", "a\x01\x09\x1F.zip", "a___.zip"},
        NameCase{"SpaceAndDelKept", "a \x7F.zip", "a \x7F.zip"},
        // Device names get a leading '_', in any case, with or without suffix.
        NameCase{"ConZip", "con.zip", "_con.zip"},
        NameCase{"Nul", "nul", "_nul"},
        NameCase{"UpperAux", "AUX.tar.gz", "_AUX.tar.gz"},
        NameCase{"MixedPrn", "pRn.zip", "_pRn.zip"},
        NameCase{"Com1", "com1.zip", "_com1.zip"},
        NameCase{"Com9", "COM9", "_COM9"},
        NameCase{"Lpt1", "Lpt1.arj", "_Lpt1.arj"},
        NameCase{"Lpt9", "lpt9.", "_lpt9."},
        NameCase{"DeviceBlankBeforeDot", "con .zip", "_con .zip"},
        NameCase{"DeviceAfterReplacement", "nul:x", "nul_x"},
        // Names that name nothing give way to the temporary file's own name.
        NameCase{"Empty", "", "M1234.TMP"},
        NameCase{"Dot", ".", "M1234.TMP"},
        NameCase{"DotDot", "..", "M1234.TMP"},
        NameCase{"DotsAndBlanks", ". . ", "M1234.TMP"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

struct FallbackCase {
    const char* name;
    std::string fallback;
    std::string safe;
};

class SafeFallbackTest : public ::testing::TestWithParam<FallbackCase> {};

TEST_P(SafeFallbackTest, FallbackIsMadeSafeToo) {
    const FallbackCase& c = GetParam();
    EXPECT_EQ(SafeFileName("..", c.fallback), c.safe);
}

INSTANTIATE_TEST_SUITE_P(
    Fallbacks, SafeFallbackTest,
    ::testing::Values(FallbackCase{"Plain", "M1234.TMP", "M1234.TMP"},
                      FallbackCase{"Refused", "a:b?.tmp", "a_b_.tmp"},
                      FallbackCase{"Device", "aux.tmp", "_aux.tmp"},
                      FallbackCase{"NoneLeft", "", ""},
                      FallbackCase{"DotsOnly", "..", ""}),
    [](const ::testing::TestParamInfo<FallbackCase>& info) { return std::string(info.param.name); });

TEST(SafeFileName, UnsafeNameDoesNotFallBack) {
    // Made safe in place: the URL's name is still the better name.
    EXPECT_EQ(SafeFileName("?", "M1234.TMP"), "_");
    EXPECT_EQ(SafeFileName(".:", "M1234.TMP"), "._");
}

}  // namespace
