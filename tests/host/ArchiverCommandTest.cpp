#include "download/ArchiverCommand.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CommandCase {
    const char* name;
    std::string command;  // already lower-cased
    std::string path;
};

class ArchiverPathTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(ArchiverPathTest, SingleByteCodePage) {
    const CommandCase& c = GetParam();
    EXPECT_EQ(ArchiverPathFromCommand(c.command, NoLeadBytes), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ArchiverPathTest,
    ::testing::Values(
        CommandCase{"ArgumentsDropped", "c:\\ombrix\\ombrix32.exe %1", "c:\\ombrix\\ombrix32.exe"},
        CommandCase{"QuotedKeepsOpeningQuote",
                    "\"c:\\program files\\ombrix\\ombrix32.exe\" \"%1\"",
                    "\"c:\\program files\\ombrix\\ombrix32.exe"},
        CommandCase{"MarkerOnly", "\\ombrix32.exe", "\\ombrix32.exe"},
        CommandCase{"NoBackslash", "ombrix32.exe %1", ""},
        CommandCase{"OtherProgram", "c:\\ombrix\\ombrix.exe %1", ""},
        CommandCase{"LongerName", "c:\\ombrix\\ombrix32.exe2", "c:\\ombrix\\ombrix32.exe"},
        CommandCase{"TwiceFirstWins", "c:\\a\\ombrix32.exe c:\\b\\ombrix32.exe",
                    "c:\\a\\ombrix32.exe"},
        CommandCase{"UpperCaseNotFound", "C:\\OMBRIX\\OMBRIX32.EXE", ""},
        CommandCase{"Empty", "", ""},
        CommandCase{"CutShort", "c:\\ombrix\\ombrix32.ex", ""}),
    CaseName());

TEST(ArchiverPathDoubleByte, MatchNeverStartsAtTrailByte) {
    // 0x95 0x5C is one character in code page 932; its trail byte is a
    // backslash that must not start the marker.
    const std::string command = "c:\\\x95\\ombrix32.exe";
    EXPECT_EQ(ArchiverPathFromCommand(command, ShiftJisLeadByte), "");
    EXPECT_EQ(ArchiverPathFromCommand(command, NoLeadBytes), command);
    // A real backslash after the character is found.
    const std::string proper = "c:\\\x95\\\\ombrix32.exe";
    EXPECT_EQ(ArchiverPathFromCommand(proper, ShiftJisLeadByte), proper);
}

TEST(ArchiverPathDoubleByte, LeadByteAtTheEnd) {
    EXPECT_EQ(ArchiverPathFromCommand("c:\\x\x95", ShiftJisLeadByte), "");
}

struct QuoteCase {
    const char* name;
    std::string path;
    std::string launched;
};

class WithoutUnmatchedQuoteTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(WithoutUnmatchedQuoteTest, Path) {
    EXPECT_EQ(WithoutUnmatchedQuote(GetParam().path), GetParam().launched);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, WithoutUnmatchedQuoteTest,
    ::testing::Values(
        QuoteCase{"OpeningQuote", "\"c:\\program files\\ombrix\\ombrix32.exe",
                  "c:\\program files\\ombrix\\ombrix32.exe"},
        QuoteCase{"Unquoted", "c:\\ombrix\\ombrix32.exe", "c:\\ombrix\\ombrix32.exe"},
        QuoteCase{"MatchedPairKept", "\"c:\\x\"\\ombrix32.exe", "\"c:\\x\"\\ombrix32.exe"},
        QuoteCase{"Empty", "", ""}),
    CaseName());

}  // namespace
