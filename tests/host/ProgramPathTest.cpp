#include "registration/ProgramPath.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Whether a viewer value names the helper at C:\Tools\DARIVOVA.EXE.
struct DataCase {
    const char* name;
    std::string data;
    bool namesHelper;
};

class NamesProgramTest : public ::testing::TestWithParam<DataCase> {};

TEST_P(NamesProgramTest, AnyFolderAnyCaseQuotesAndBlanksAround) {
    EXPECT_EQ(NamesProgram(GetParam().data, "C:\\Tools\\DARIVOVA.EXE", ShiftJisLeadByte),
              GetParam().namesHelper);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NamesProgramTest,
    ::testing::Values(
        DataCase{"Itself", "C:\\Tools\\DARIVOVA.EXE", true},
        DataCase{"AnotherFolderAnyCase", "D:/Old Place/darivova.exe", true},
        DataCase{"Quoted", "\"C:\\Program Files\\DarivoVA.exe\"", true},
        DataCase{"BlanksAround", "  C:\\x\\DARIVOVA.EXE\t", true},
        // 0x83 0x5C is one character (ソ) whose trail byte is no separator.
        DataCase{"DoubleByteFolder", "C:\\\x83\x5C\\DARIVOVA.EXE", true},
        DataCase{"TrailByteIsNoSeparator", "C:\\x\x83\x5C" "DARIVOVA.EXE", false},
        DataCase{"NoFolder", "DARIVOVA.EXE", false},
        DataCase{"AnotherProgram", "C:\\Ombrix\\ombrix32.exe", false},
        DataCase{"WithArguments", "C:\\Tools\\DARIVOVA.EXE %1", false},
        DataCase{"LongerName", "C:\\Tools\\XDARIVOVA.EXE", false},
        DataCase{"Empty", "", false}),
    CaseName());

}  // namespace
