#include "download/Recovery.h"
#include "download/StagingName.h"
#include "download/StagingRecord.h"
#include "CaseName.h"
#include "LeadBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using casename::operator<<;

CStagingRecord Sample() {
    // '=' and blanks in names, a double-byte name, every byte value sampled.
    CStagingRecord record{"C:\\My Downloads\\a=b", "\x83\x5C.zip", "C:\\TEMP\\M1.TMP", {}};
    record.m_sample = {0x100000010ull, 0xFFFFFF10ull, std::string("\0\x01\x7F\x80\xFF", 5)};
    return record;
}

TEST(StagingRecordTest, ReadsBackWhatWasWritten) {
    const CStagingRecord written = Sample();
    CStagingRecord read;
    ASSERT_TRUE(ParseStagingRecord(FormatStagingRecord(written), read));
    EXPECT_EQ(read.m_strFolder, written.m_strFolder);
    EXPECT_EQ(read.m_strName, written.m_strName);
    EXPECT_EQ(read.m_strSource, written.m_strSource);
    EXPECT_EQ(read.m_sample.m_size, written.m_sample.m_size);
    EXPECT_EQ(read.m_sample.m_offset, written.m_sample.m_offset);
    EXPECT_EQ(read.m_sample.m_bytes, written.m_sample.m_bytes);
}

// A run that ends while writing leaves any beginning of its record: none of
// them may pass for a record.
TEST(StagingRecordTest, NoRecordCutShortIsRead) {
    const std::string text = FormatStagingRecord(Sample());
    for (std::size_t length = 0; length < text.size(); ++length) {
        CStagingRecord read;
        EXPECT_FALSE(ParseStagingRecord(text.substr(0, length), read)) << length;
    }
}

struct ForeignCase {
    const char* name;
    std::string from, to;  // what is changed in a good record
};

class ForeignRecordTest : public ::testing::TestWithParam<ForeignCase> {};

TEST_P(ForeignRecordTest, IsNotRead) {
    std::string text = FormatStagingRecord(Sample());
    const auto at = text.find(GetParam().from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, GetParam().from.size(), GetParam().to);
    CStagingRecord read;
    read.m_strName = "untouched";
    EXPECT_FALSE(ParseStagingRecord(text, read));
    EXPECT_EQ(read.m_strName, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ForeignRecordTest,
    ::testing::Values(ForeignCase{"OtherVersion", "record 1", "record 2"},
                      ForeignCase{"LineEndsInLfOnly", "\r\nname=", "\nname="},
                      ForeignCase{"FieldsSwapped", "folder=", "name="},
                      ForeignCase{"MoreAfterTheEnd", "end\r\n", "end\r\nend\r\n"},
                      ForeignCase{"OddSample", "sample=00", "sample=0"},
                      ForeignCase{"NotHex", "sample=00", "sample=0g"},
                      ForeignCase{"SizeTooLong", "size=", "size=10000000000000000"},
                      ForeignCase{"SizeEmpty", "size=100000010", "size="}),
    CaseName());

struct NameCase {
    const char* name;
    std::string entry;
    bool staging;
};

class StagingNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(StagingNameTest, OnlyTheProgramsNamesAreStagingFolders) {
    EXPECT_EQ(IsStagingFolderName(GetParam().entry), GetParam().staging);
}

INSTANTIATE_TEST_SUITE_P(
    Names, StagingNameTest,
    ::testing::Values(NameCase{"First", StagingFolderName(0), true},
                      NameCase{"Last", StagingFolderName(kStagingFolders - 1), true},
                      NameCase{"Beyond", StagingFolderName(kStagingFolders), false},
                      NameCase{"LeadingZero", "~D07", false},
                      NameCase{"NoNumber", "~D", false},
                      NameCase{"ShortAlias", "~DOWNL~1", false},
                      NameCase{"LowerCase", "~d1", false}),
    CaseName());

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

// "C:\" and 238 more characters: with "\~D999" the longest folder that a
// staging folder fits in (247 characters with room for the terminator).
const std::string kFits = "C:\\" + std::string(238, 'f');
const std::string kLong = "C:\\" + std::string(120, 'a') + "\\" + std::string(119, 'b');
const std::string kLongShare = "\\\\host\\share\\" + std::string(240, 'c');

INSTANTIATE_TEST_SUITE_P(
    Folders, StagingParentTest,
    ::testing::Values(ParentCase{"Short", "C:\\Download", "C:\\Download"},
                      ParentCase{"TrailingSeparator", "C:\\Download\\", "C:\\Download"},
                      ParentCase{"DriveRoot", "C:\\", "C:\\"},
                      ParentCase{"LongestThatFits", kFits, kFits},
                      ParentCase{"OneTooLong", kFits + "g", "C:\\"},
                      ParentCase{"Nested", kLong, "C:\\" + std::string(120, 'a')},
                      ParentCase{"DeeperStill", kLong + "\\x", "C:\\" + std::string(120, 'a')},
                      ParentCase{"ShareRootAtMost", kLongShare, "\\\\host\\share\\"},
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
    ::testing::Values(DecisionCase{"NothingMoved", true, CopyState::Absent, Recovery::CleanUp},
                      DecisionCase{"Whole", true, CopyState::Whole, Recovery::NameCopy},
                      DecisionCase{"Partial", true, CopyState::NotWhole, Recovery::RemoveCopy},
                      DecisionCase{"CopyInUse", true, CopyState::Unknown, Recovery::Leave},
                      DecisionCase{"CutRecordAlone", false, CopyState::Absent, Recovery::CleanUp},
                      DecisionCase{"CutRecordAndCopy", false, CopyState::NotWhole, Recovery::Leave},
                      DecisionCase{"CutRecordCopyInUse", false, CopyState::Unknown,
                                   Recovery::Leave}),
    CaseName());

}  // namespace
