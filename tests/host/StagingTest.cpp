// The pure logic of a download's staging folder: what a copy must hold to
// count as whole, the run's record, where the folder goes, and what a later
// run does with one that a run which ended half-way left.
#include "download/Recovery.h"
#include "download/StagingName.h"
#include "download/StagingRecord.h"
#include "CaseName.h"
#include "LeadBytes.h"
#include "TextBytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using casename::operator<<;

// Bytes like a compressed archive's, none of them zero; and zeros.
std::string Noise(std::size_t size) {
    std::minstd_rand random(size);
    std::string bytes;
    while (bytes.size() < size) bytes += static_cast<char>(1 + random() % 255);
    return bytes;
}
std::string Zeros(std::size_t size) { return std::string(size, '\0'); }

struct DownloadCase {
    const char* name;
    std::string bytes;
};

class ArrivalTest : public ::testing::TestWithParam<DownloadCase> {};

// A copy stopped after cut bytes, as each system leaves it: shorter (9x,
// Wine), or sized in full with zeros after the stop (NT); or one whose last
// data byte went wrong. It counts as whole exactly when it holds the
// download's bytes.
TEST_P(ArrivalTest, OnlyACopyWithTheDownloadsBytesIsWhole) {
    const std::string& download = GetParam().bytes;
    CTextBytes source(download);
    CFileSample sample;
    ASSERT_TRUE(TakeSample(source, sample));
    std::vector<std::string> copies = {download};
    if (download.find_last_not_of('\0') != std::string::npos) {
        copies[0][download.find_last_not_of('\0')] ^= 1;
    }
    const std::size_t size = download.size();
    for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, size / 3, size / 2 + 4097,
                                  size - 1, size}) {
        if (cut > size) continue;
        copies.push_back(download.substr(0, cut));
        copies.push_back(download.substr(0, cut) + Zeros(size - cut));
    }
    for (const std::string& copy : copies) {
        CTextBytes bytes(copy);
        EXPECT_EQ(IsWholeCopy(bytes, sample), copy == download) << copy.size() << " bytes";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Downloads, ArrivalTest,
    ::testing::Values(DownloadCase{"Empty", ""}, DownloadCase{"ThreeBytes", "abc"},
                      DownloadCase{"Compressed", Noise(100000)},
                      // A tar archive ends in zero blocks, up to 10 KiB of them.
                      DownloadCase{"TarArchive", Noise(30000) + Zeros(10240)},
                      DownloadCase{"ZerosInside", Noise(9000) + Zeros(8192) + "end"},
                      DownloadCase{"OneByteThenZeros", "x" + Zeros(20000)}),
    CaseName());

// What was written reads back; a run that ends while writing leaves any
// beginning of its record, and another version another first line: none of
// them passes for a record.
TEST(StagingRecordTest, ReadsBackWholeRecordsOfItsOwnOnly) {
    const CStagingRecord written{"C:\\My Downloads", "\x83\x5C.zip", "C:\\TEMP\\M1.TMP",
                                 {0x100000010ull, 0xFFFFFF10ull, std::string("\0\xFF", 2)}};
    const std::string text = FormatStagingRecord(written);
    CStagingRecord read;
    ASSERT_TRUE(ParseStagingRecord(text, read));
    EXPECT_EQ(FormatStagingRecord(read), text);
    for (std::size_t length = 0; length < text.size(); ++length) {
        EXPECT_FALSE(ParseStagingRecord(text.substr(0, length), read)) << length;
    }
    EXPECT_FALSE(ParseStagingRecord(text + "x", read));
    EXPECT_FALSE(ParseStagingRecord("DARIVOVA staging record 2" + text.substr(25), read));
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

INSTANTIATE_TEST_SUITE_P(
    Folders, StagingParentTest,
    ::testing::Values(ParentCase{"TrailingSeparator", "C:\\Download\\", "C:\\Download"},
                      ParentCase{"LongestThatFits", kFits, kFits},
                      ParentCase{"OneTooLong", kFits + "g", "C:\\"},
                      ParentCase{"Nested", "C:\\a\\" + std::string(250, 'b'), "C:\\a"},
                      ParentCase{"ShareRoot", "\\\\h\\s\\" + std::string(250, 'c'), "\\\\h\\s\\"},
                      // 0x83 0x5C is one character, not a separator to cut at.
                      ParentCase{"TrailByte5C", "C:\\a\\\x83\x5C" + std::string(240, 'd'),
                                 "C:\\a"}),
    CaseName());

TEST(RecoveryTest, OnlyAWholeCopyIsNamedAndNothingUnjudgedGoes) {
    EXPECT_EQ(DecideRecovery(true, CopyState::Absent), Recovery::CleanUp);
    EXPECT_EQ(DecideRecovery(true, CopyState::Whole), Recovery::NameCopy);
    EXPECT_EQ(DecideRecovery(true, CopyState::NotWhole), Recovery::RemoveCopy);
    EXPECT_EQ(DecideRecovery(true, CopyState::Unknown), Recovery::Leave);
    // A record cut short vouches for no copy.
    EXPECT_EQ(DecideRecovery(false, CopyState::Absent), Recovery::CleanUp);
    EXPECT_EQ(DecideRecovery(false, CopyState::Whole), Recovery::Leave);
    EXPECT_EQ(DecideRecovery(false, CopyState::NotWhole), Recovery::Leave);
}

}  // namespace
