#include "platform/CommandLine.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TailCase {
    const char* name;
    std::string commandLine;
    std::string tail;
};

class CommandLineTailTest : public ::testing::TestWithParam<TailCase> {};

TEST_P(CommandLineTailTest, SingleByteCodePage) {
    const TailCase& c = GetParam();
    EXPECT_EQ(CommandLineTail(c.commandLine.c_str(), NoLeadBytes), c.tail);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CommandLineTailTest,
    ::testing::Values(
        TailCase{"Empty", "", ""},
        TailCase{"NameOnly", "DARIVOVA.EXE", ""},
        TailCase{"NameAndBlanks", "DARIVOVA.EXE   \t ", ""},
        TailCase{"PlainArgument", "DARIVOVA.EXE C:\\tmp\\a.zip", "C:\\tmp\\a.zip"},
        TailCase{"QuotedNameArgument", "\"C:\\Program Files\\DARIVOVA.EXE\" x.zip", "x.zip"},
        TailCase{"QuotedNameGluedArgument", "\"C:\\a b\\DARIVOVA.EXE\"x.zip", "x.zip"},
        TailCase{"QuotedNameUnclosed", "\"C:\\a b\\DARIVOVA.EXE x.zip", ""},
        TailCase{"QuotedArgumentKept", "DARIVOVA.EXE \"C:\\a b\\x.zip\"", "\"C:\\a b\\x.zip\""},
        // Start-up takes any non-empty tail as a download: these must not vanish.
        TailCase{"TextAfterQuotedArgumentKept", "DARIVOVA.EXE \"C:\\T\\M1.TMP\" -x",
                 "\"C:\\T\\M1.TMP\" -x"},
        TailCase{"UnclosedQuotedArgumentKept", "DARIVOVA.EXE \"C:\\T\\M1.TMP", "\"C:\\T\\M1.TMP"},
        TailCase{"TrailingBlanksKept", "DARIVOVA.EXE x.zip  ", "x.zip  "},
        TailCase{"InnerBlanksKept", "DARIVOVA.EXE a  b", "a  b"},
        TailCase{"ControlCharactersSkipped", "DARIVOVA.EXE\x01\x1f\r\nx", "x"},
        TailCase{"LeadingBlankMeansNoName", " x.zip", "x.zip"},
        TailCase{"HighBytesAreName", "\xC4\xD6.EXE x", "x"},
        TailCase{"HighByteArgument", "DARIVOVA.EXE \xE9t\xE9.zip", "\xE9t\xE9.zip"},
        TailCase{"EmptyQuotedName", "\"\" x", "x"}),
    CaseName());

struct SwitchCase {
    const char* name;
    std::string tail;
    bool isRemove;
};

class SwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchTest, RemoveSwitchWhateverItsCaseAndBlanks) {
    EXPECT_EQ(IsSwitch(GetParam().tail.c_str(), "/remove"), GetParam().isRemove);
}

INSTANTIATE_TEST_SUITE_P(
    Tails, SwitchTest,
    ::testing::Values(SwitchCase{"Exact", "/remove", true},
                      SwitchCase{"AnyCaseBlanksAndTabsAround", " \t/ReMOVE \t", true},
                      SwitchCase{"Empty", "", false},
                      SwitchCase{"MoreText", "/remove x", false},
                      SwitchCase{"Quoted", "\"/remove\"", false},
                      SwitchCase{"APath", "C:\\remove", false}),
    CaseName());

TEST(CommandLineTailDoubleByte, TrailByteEqualToQuoteDoesNotEndTheName) {
    // 0x81 0x22 is one character in code page 932; its trail byte is a quote.
    const std::string line = "\"C:\\\x81\x22\\D.EXE\" x.zip";
    EXPECT_EQ(CommandLineTail(line.c_str(), ShiftJisLeadByte), std::string("x.zip"));
    // In a single-byte code page the same byte is a quote and ends the name.
    EXPECT_EQ(CommandLineTail(line.c_str(), NoLeadBytes), std::string("\\D.EXE\" x.zip"));
}

TEST(CommandLineTailDoubleByte, LeadByteAtTheEndStopsAtTheEnd) {
    const std::string line = "\"C:\\x\x81";
    const char* tail = CommandLineTail(line.c_str(), ShiftJisLeadByte);
    EXPECT_EQ(tail, line.c_str() + line.size());
}

TEST(CommandLineTailDoubleByte, TailIsAPointerIntoTheCommandLine) {
    const char line[] = "D.EXE arg";
    EXPECT_EQ(CommandLineTail(line, ShiftJisLeadByte), line + 6);
}

}  // namespace
