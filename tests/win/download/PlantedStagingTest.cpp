// What a later run does with the staging folders that runs which ended
// half-way left, in the states a kill can't be timed into under Wine: each
// folder is planted as such a run leaves it, then judged.
#include "CaseName.h"
#include "DownloadFixture.h"
#include "PlantedStaging.h"
#include "Process.h"

#include "download/Staging.h"
#include "platform/Handle.h"

#include <set>
#include <string>

namespace dltest {
namespace {

using casename::operator<<;

struct PlantedCase {
    const char* name;
    bool copy;             // the whole download arrived in the folder
    bool record;           // the run's record is in the folder
    bool copyInUse;        // another process has the copy open without sharing
    std::string namedAs;   // where the download ends in the folder; "" nowhere new
    bool folderStays;      // the staging folder is left as it was
};

class PlantedStagingTest : public CDownloadTest,
                           public ::testing::WithParamInterface<PlantedCase> {
protected:
    // The staging folder as a run that ended half-way leaves it; the name
    // tools.zip is taken, and the browser's file is still there.
    void Plant(bool copy, bool withRecord) {
        ASSERT_TRUE(CreateDirectoryA(Path("Temp").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(m_folder.c_str(), nullptr));
        ASSERT_TRUE(WriteBytes(m_source, m_download));
        ASSERT_TRUE(WriteBytes(m_folder + "\\tools.zip", "earlier"));
        ASSERT_TRUE(PlantStagingFolder(m_staging, m_folder, "tools.zip", m_source, m_download,
                                       withRecord, copy ? &m_download : nullptr));
    }

    const std::string m_download = std::string(20000, 'd') + "the end";
    const std::string m_folder = Path("Download");
    const std::string m_staging = Path("Download\\~D3");
    const std::string m_source = Path("Temp\\M1.TMP");
};

TEST_P(PlantedStagingTest, OnlyAWholeCopyIsKeptAndNothingUnjudgedGoes) {
    const PlantedCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Plant(c.copy, c.record));
    const std::set<std::string> planted = testfs::FolderNames(m_staging);
    CHandle inUse;
    if (c.copyInUse) {
        inUse = CHandle(CreateFileA((m_staging + "\\~PART").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    }

    RecoverStagingFolders(m_folder);
    inUse.Reset();

    std::set<std::string> expected = {"tools.zip"};
    if (!c.namedAs.empty()) expected.insert(c.namedAs);
    if (c.folderStays) expected.insert("~D3");
    EXPECT_EQ(testfs::FolderNames(m_folder), expected);
    if (!c.namedAs.empty()) {
        EXPECT_EQ(ReadBytes(m_folder + "\\" + c.namedAs), m_download);
    }
    if (c.folderStays) {
        EXPECT_EQ(testfs::FolderNames(m_staging), planted);
    }
    EXPECT_EQ(ReadBytes(m_folder + "\\tools.zip"), "earlier");
    EXPECT_EQ(ReadBytes(m_source), m_download);
}

INSTANTIATE_TEST_SUITE_P(
    States, PlantedStagingTest,
    ::testing::Values(
        // Ended after the copy, before its rename: the whole download gets the
        // first free name, which finishes that run's move.
        PlantedCase{"Whole", true, true, false, "tools (2).zip", false},
        PlantedCase{"NothingMovedYet", false, true, false, "", false},
        // Nothing vouches for the copy, or it can't be read now: left alone.
        PlantedCase{"EarlierVersionsFolder", true, false, false, "", true},
        PlantedCase{"CopyInUse", true, true, true, "", true}),
    CaseName());

// A folder whose record a living process holds is another run's, still at
// work: left alone. Once that process has ended, however it ended, the
// system has closed the record and the folder is put right.
TEST_F(PlantedStagingTest, AFolderALivingRunHoldsIsLeftUntilItsProcessEnds) {
    ASSERT_NO_FATAL_FAILURE(Plant(true, true));
    const std::string record = m_staging + "\\~RUN";
    CChildProcess holder;
    ASSERT_TRUE(holder.Start(Quoted(ProgramFolder() + "file_holder.exe") + " " + record));
    for (int i = 0; i < 500 && ReadBytes(record) != "<missing>"; ++i) Sleep(10);

    RecoverStagingFolders(m_folder);
    EXPECT_EQ(testfs::FolderNames(m_staging), (std::set<std::string>{"~PART", "~RUN"}));

    ASSERT_TRUE(TerminateProcess(holder.Handle(), 1));
    ASSERT_TRUE(holder.Wait(10000));
    RecoverStagingFolders(m_folder);
    EXPECT_EQ(testfs::FolderNames(m_folder),
              (std::set<std::string>{"tools.zip", "tools (2).zip"}));
}

}  // namespace
}  // namespace dltest
