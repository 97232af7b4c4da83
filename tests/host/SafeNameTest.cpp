#include "download/SafeName.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NameCase {
    const char* name;
    std::string input;
    std::string safe;
    IsLeadByteFn isLeadByte = NoLeadBytes;
};

// A case in code page 932.
NameCase ShiftJis(const char* name, const std::string& input, const std::string& safe) {
    return {name, input, safe, ShiftJisLeadByte};
}

class SafeFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(SafeFileNameTest, FromUrlName) {
    const NameCase& c = GetParam();
    EXPECT_EQ(SafeFileName(c.input, "M1234.TMP", c.isLeadByte), c.safe);
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
        NameCase{"ConinWithoutDollar", "conin.zip", "conin.zip"},
        NameCase{"ComOtherHighByte", "COM\xB4.zip", "COM\xB4.zip"},
        NameCase{"ShellNameWithSuffix", "desktop.ini.zip", "desktop.ini.zip"},
        // Characters Windows refuses become '_'.
        NameCase{"Query", "get.cgi?f=a.zip", "get.cgi_f=a.zip"},
        NameCase{"StreamColon", "a.zip:evil", "a.zip_evil"},
        NameCase{"EveryRefused", "<>:\"/\\|?*", "_________"},
        NameCase{"ControlCodes", "a\x01\x09\x1F.zip", "a___.zip"},
        NameCase{"SpaceAndDelKept", "a \x7F.zip", "a \x7F.zip"},
        // Trailing dots and blanks go, as the file system drops them.
        NameCase{"TrailingDot", "tools.zip.", "tools.zip"},
        NameCase{"TrailingDotsAndBlanks", "tools.zip . .", "tools.zip"},
        // Device names get a leading '_', in any case, with or without suffix.
        NameCase{"ConZip", "con.zip", "_con.zip"},
        NameCase{"Nul", "nul", "_nul"},
        NameCase{"UpperAux", "AUX.tar.gz", "_AUX.tar.gz"},
        NameCase{"MixedPrn", "pRn.zip", "_pRn.zip"},
        NameCase{"Com1", "com1.zip", "_com1.zip"},
        NameCase{"Com9", "COM9", "_COM9"},
        NameCase{"Lpt1", "Lpt1.arj", "_Lpt1.arj"},
        NameCase{"Lpt9", "lpt9.", "_lpt9"},
        NameCase{"DeviceBlankBeforeDot", "con .zip", "_con .zip"},
        NameCase{"DeviceAfterReplacement", "nul:x", "nul_x"},
        NameCase{"DeviceLeftByStripping", "aux . .", "_aux"},
        NameCase{"Conin", "CONIN$", "_CONIN$"},
        NameCase{"ConinZip", "conin$.zip", "_conin$.zip"},
        NameCase{"ConoutTarGz", "conout$.tar.gz", "_conout$.tar.gz"},
        NameCase{"Clock", "Clock$", "_Clock$"},
        NameCase{"ComSuperscriptOne", "com\xB9.zip", "_com\xB9.zip"},
        NameCase{"LptSuperscriptTwo", "LPT\xB2", "_LPT\xB2"},
        NameCase{"ComSuperscriptThree", "Com\xB3.txt", "_Com\xB3.txt"},
        // So do the names the shell acts on in a folder or at a drive's root.
        NameCase{"DesktopIni", "desktop.ini", "_desktop.ini"},
        NameCase{"AutorunUpper", "AUTORUN.INF", "_AUTORUN.INF"},
        NameCase{"ShellNameTrailingDot", "Desktop.ini.", "_Desktop.ini"},
        // Double-byte characters stay whole, whatever their trail byte.
        ShiftJis("ShiftJisTrailBar", "\x83\x7C\x83\x50\x83\x62\x83\x67.zip",
                 "\x83\x7C\x83\x50\x83\x62\x83\x67.zip"),
        ShiftJis("ShiftJisTrailBackslash", "\x83\x5C\x83\x74\x83\x67.zip",
                 "\x83\x5C\x83\x74\x83\x67.zip"),
        ShiftJis("ShiftJisOnlyCharacter", "\x95\x5C.zip", "\x95\x5C.zip"),
        ShiftJis("ShiftJisRefusedAfterCharacter", "\x95\x5C|.zip", "\x95\x5C_.zip"),
        ShiftJis("ShiftJisTrailDotKept", "a\x81.", "a\x81."),
        ShiftJis("ShiftJisLeadAtEnd", "a.zip\x81", "a.zip_"),
        NameCase{"SingleByteSameBytesRefused", "\x83\x7C.zip", "\x83_.zip"},
        NameCase{"SingleByteTrailingDotGoes", "a\x81.", "a\x81"},
        // Names that name nothing give way to the temporary file's own name.
        NameCase{"Empty", "", "M1234.TMP"},
        NameCase{"Dot", ".", "M1234.TMP"},
        NameCase{"DotDot", "..", "M1234.TMP"},
        NameCase{"DotsAndBlanks", ". . ", "M1234.TMP"}),
    CaseName());

struct FallbackCase {
    const char* name;
    std::string fallback;
    std::string safe;
};

class SafeFallbackTest : public ::testing::TestWithParam<FallbackCase> {};

TEST_P(SafeFallbackTest, FallbackIsMadeSafeToo) {
    const FallbackCase& c = GetParam();
    EXPECT_EQ(SafeFileName("..", c.fallback, NoLeadBytes), c.safe);
}

INSTANTIATE_TEST_SUITE_P(
    Fallbacks, SafeFallbackTest,
    ::testing::Values(FallbackCase{"Plain", "M1234.TMP", "M1234.TMP"},
                      FallbackCase{"Refused", "a:b?.tmp", "a_b_.tmp"},
                      FallbackCase{"Device", "aux.tmp", "_aux.tmp"},
                      FallbackCase{"NoneLeft", "", ""},
                      FallbackCase{"DotsOnly", "..", ""}),
    CaseName());

TEST(SafeFileName, UnsafeNameDoesNotFallBack) {
    // Made safe in place: the URL's name is still the better name.
    EXPECT_EQ(SafeFileName("?", "M1234.TMP", NoLeadBytes), "_");
    EXPECT_EQ(SafeFileName(".:", "M1234.TMP", NoLeadBytes), "._");
}

}  // namespace
