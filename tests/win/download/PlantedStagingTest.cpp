// What a later run does with a staging folder that a run which ended
// half-way left, in the states a kill can't be timed into under Wine.
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
    bool record;         // the run's record is in the folder
    bool copy;           // the whole download arrived in it
    bool copyInUse;      // another process has the copy open without sharing
    std::set<std::string> after;  // the download folder afterwards
};

// Ended after the copy, before its rename: the download gets the first free
// name. Ended before it: nothing to keep. Nothing vouches for the copy, or it
// can't be read now: left as it is.
const PlantedCase kCases[] = {
    {"Whole", true, true, false, {"tools.zip", "tools (2).zip"}},
    {"NothingMovedYet", true, false, false, {"tools.zip"}},
    {"EarlierVersionsFolder", false, true, false, {"tools.zip", "~D3"}},
    {"CopyInUse", true, true, true, {"tools.zip", "~D3"}},
};

class PlantedStagingTest : public CDownloadTest,
                           public ::testing::WithParamInterface<PlantedCase> {
protected:
    // The staging folder as the run left it; tools.zip is taken already.
    void Plant(bool record, bool copy) {
        ASSERT_TRUE(CreateDirectoryA(m_folder.c_str(), nullptr));
        ASSERT_TRUE(WriteBytes(m_folder + "\\tools.zip", "earlier"));
        ASSERT_TRUE(PlantStagingFolder(m_staging, m_folder, "tools.zip", Path("M1.TMP"), m_download,
                                       record, copy ? &m_download : nullptr));
    }

    const std::string m_download = std::string(20000, 'd') + "the end";
    const std::string m_folder = Path("Download");
    const std::string m_staging = Path("Download\\~D3");
};

TEST_P(PlantedStagingTest, OnlyAWholeCopyIsKeptAndNothingUnjudgedGoes) {
    const PlantedCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Plant(c.record, c.copy));
    const std::set<std::string> planted = testfs::FolderNames(m_staging);
    CHandle inUse(c.copyInUse ? CreateFileA((m_staging + "\\~PART").c_str(), GENERIC_READ, 0,
                                            nullptr, OPEN_EXISTING, 0, nullptr)
                              : nullptr);
    RecoverStagingFolders(m_folder);
    inUse.Reset();
    EXPECT_EQ(testfs::FolderNames(m_folder), c.after);
    EXPECT_EQ(ReadBytes(m_folder + "\\tools.zip"), "earlier");
    const bool named = c.after.count("tools (2).zip") > 0;
    EXPECT_EQ(ReadBytes(m_folder + "\\tools (2).zip"), named ? m_download : "<missing>");
    EXPECT_EQ(testfs::FolderNames(m_staging), c.after.count("~D3") ? planted : decltype(planted){});
}

INSTANTIATE_TEST_SUITE_P(States, PlantedStagingTest, ::testing::ValuesIn(kCases), CaseName());

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
    EXPECT_EQ(testfs::FolderNames(m_folder), kCases[0].after);
}

}  // namespace
}  // namespace dltest
