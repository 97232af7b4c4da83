#include "download/Recovery.h"
#include "download/StagingName.h"
#include "download/StagingRecord.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using casename::operator<<;

// '=' and blanks in the folder, a double-byte name, every kind of byte sampled.
const CStagingRecord kRecord{"C:\\My Downloads\\a=b", "\x83\x5C.zip", "C:\\TEMP\\M1.TMP",
                             {0x100000010ull, 0xFFFFFF10ull, std::string("\0\x01\x7F\x80\xFF", 5)}};

// What was written reads back. A run that ends while writing leaves any
// beginning of its record; another version or program writes another text:
// none of them passes for a record.
TEST(StagingRecordTest, ReadsBackWholeRecordsOfItsOwnOnly) {
    const std::string text = FormatStagingRecord(kRecord);
    CStagingRecord read;
    ASSERT_TRUE(ParseStagingRecord(text, read));
    EXPECT_EQ(FormatStagingRecord(read), text);
    for (std::size_t length = 0; length < text.size(); ++length) {
        EXPECT_FALSE(ParseStagingRecord(text.substr(0, length), read)) << length;
    }
    const std::pair<std::string, std::string> changes[] = {
        {"record 1", "record 2"}, {"folder=", "name="}, {"end\r\n", "end\r\nend\r\n"},
        {"sample=00", "sample=0"}, {"size=", "size=10000000000000000"}};
    for (const auto& [from, to] : changes) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        EXPECT_FALSE(ParseStagingRecord(changed, read)) << from << " to " << to;
    }
}

TEST(StagingNameTest, OnlyTheProgramsNamesAreStagingFolders) {
    EXPECT_TRUE(IsStagingFolderName(StagingFolderName(0)));
    EXPECT_TRUE(IsStagingFolderName(StagingFolderName(kStagingFolders - 1)));
    // What a search for "~D*" also finds: other names, 8.3 aliases.
    for (const char* other : {"~D1000", "~D07", "~D", "~DOWNL~1", "~d1", "~D1 "}) {
        EXPECT_FALSE(IsStagingFolderName(other)) << other;
    }
}

struct ParentCase {
    const char* name;
    std::string folder;
    std::string parent;
};

class StagingParentTest : public ::testing::TestWithParam<ParentCase> {};

TEST_P(StagingParentTest, AStagingFolderAlwaysFitsThere) {
    const std::string parent = StagingParent(GetParam().folder, ShiftJisLeadByte);
    EXPECT_EQ(parent, GetParam().parent);
    EXPECT_LT((parent + "\\" + StagingFolderName(kStagingFolders - 1)).size(), 248u);
}

// 241 characters: with "\~D999", the longest folder a staging folder fits in.
const std::string kFits = "C:\\" + std::string(238, 'f');
const std::string kNested = "C:\\" + std::string(120, 'a') + "\\" + std::string(119, 'b');

INSTANTIATE_TEST_SUITE_P(
    Folders, StagingParentTest,
    ::testing::Values(ParentCase{"TrailingSeparator", "C:\\Download\\", "C:\\Download"},
                      ParentCase{"LongestThatFits", kFits, kFits},
                      ParentCase{"OneTooLong", kFits + "g", "C:\\"},
                      ParentCase{"Nested", kNested + "\\x", "C:\\" + std::string(120, 'a')},
                      ParentCase{"ShareRootAtMost", "\\\\host\\share\\" + std::string(240, 'c'),
                                 "\\\\host\\share\\"},
                      // 0x83 0x5C is one character, not a separator to cut at.
                      ParentCase{"TrailByte5C", "C:\\a\\\x83\x5C" + std::string(240, 'd'),
                                 "C:\\a"}),
    CaseName());

struct DecisionCase {
    const char* name;
    bool recordRead;
    CopyState copy;
    Recovery recovery;
};

class RecoveryTest : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(RecoveryTest, OnlyAWholeCopyIsNamedAndNothingUnjudgedGoes) {
    EXPECT_EQ(DecideRecovery(GetParam().recordRead, GetParam().copy), GetParam().recovery);
}

INSTANTIATE_TEST_SUITE_P(
    States, RecoveryTest,
    ::testing::Values(
        DecisionCase{"NothingMoved", true, CopyState::Absent, Recovery::CleanUp},
        DecisionCase{"Whole", true, CopyState::Whole, Recovery::NameCopy},
        DecisionCase{"CutShort", true, CopyState::NotWhole, Recovery::RemoveCopy},
        DecisionCase{"CopyInUse", true, CopyState::Unknown, Recovery::Leave},
        DecisionCase{"RecordCutShortAlone", false, CopyState::Absent, Recovery::CleanUp},
        DecisionCase{"RecordCutShortWithCopy", false, CopyState::NotWhole, Recovery::Leave}),
    CaseName());

}  // namespace
