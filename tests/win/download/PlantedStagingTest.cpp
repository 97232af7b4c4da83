// What a later run does with the staging folders that runs which ended
// half-way left, in the states a kill can't be timed into under Wine: each
// folder is planted as such a run leaves it, then judged.
#include "CaseName.h"
#include "DownloadFixture.h"
#include "PlantedStaging.h"
#include "Process.h"

#include "download/Staging.h"
#include "platform/Handle.h"

#include <string>
#include <vector>

namespace dltest {
namespace {

using casename::operator<<;

// A download whose data runs to its last byte, as a compressed archive's does.
std::string DownloadBytes() {
    std::string bytes;
    for (unsigned i = 0; i < 20000; ++i) bytes += static_cast<char>('A' + (i * 7 + i / 13) % 26);
    return bytes;
}

enum class Copy { None, Whole, SizedPartial, ShortPartial };
enum class Record { Written, Cut, None };

struct PlantedCase {
    const char* name;
    Copy copy;
    Record record = Record::Written;
    bool sourceStays = false;  // the browser's file is still there
    bool copyInUse = false;    // another process has the copy open without sharing
    std::string staging = "~D0";
    std::vector<std::string> taken = {};  // names taken in the download folder
    std::string namedAs = "";             // where the download ends; "" nowhere new
    bool folderStays = false;             // the staging folder is left as it was
};

class PlantedStagingTest : public CDownloadTest, public ::testing::WithParamInterface<PlantedCase> {
protected:
    void SetUp() override {
        CDownloadTest::SetUp();
        ASSERT_TRUE(CreateDirectoryA(Path("Temp").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(m_folder.c_str(), nullptr));
    }

    // The staging folder as a run leaves it that ended half-way.
    void Plant(const PlantedCase& c) {
        const std::string download = DownloadBytes();
        std::string record = planted::RecordText(m_folder, "tools.zip", m_source, download);
        if (c.record == Record::Cut) record.resize(record.size() / 2);
        const std::string part = download.substr(0, 7000);
        const std::string copies[] = {"", download, part + std::string(13000, '\0'), part};
        ASSERT_TRUE(planted::StagingFolder(Staging(c),
                                           c.record == Record::None ? nullptr : &record,
                                           c.copy == Copy::None ? nullptr : &copies[int(c.copy)]));
        if (c.sourceStays) {
            ASSERT_TRUE(WriteBytes(m_source, download));
        }
        for (const std::string& name : c.taken) {
            ASSERT_TRUE(WriteBytes(m_folder + "\\" + name, name));
        }
    }

    std::string Staging(const PlantedCase& c) const { return m_folder + "\\" + c.staging; }

    const std::string m_folder = Path("Download");
    const std::string m_source = Path("Temp\\M1.TMP");
};

TEST_P(PlantedStagingTest, OnlyAWholeCopyIsKeptAndNothingUnjudgedGoes) {
    const PlantedCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Plant(c));
    const std::set<std::string> plantedEntries = testfs::FolderNames(Staging(c));
    CHandle inUse;
    if (c.copyInUse) {
        inUse = CHandle(CreateFileA((Staging(c) + "\\~PART").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(inUse.IsValid());
    }

    RecoverStagingFolders(m_folder);
    inUse.Reset();

    std::set<std::string> expected(c.taken.begin(), c.taken.end());
    if (!c.namedAs.empty()) {
        expected.insert(c.namedAs);
        EXPECT_EQ(ReadBytes(m_folder + "\\" + c.namedAs), DownloadBytes());
    }
    if (c.folderStays) {
        expected.insert(c.staging);
        EXPECT_EQ(testfs::FolderNames(Staging(c)), plantedEntries);
    }
    EXPECT_EQ(testfs::FolderNames(m_folder), expected);
    for (const std::string& name : c.taken) EXPECT_EQ(ReadBytes(m_folder + "\\" + name), name);
    EXPECT_EQ(ReadBytes(m_source), c.sourceStays ? DownloadBytes() : "<missing>");
}

INSTANTIATE_TEST_SUITE_P(
    States, PlantedStagingTest,
    ::testing::Values(
        // Ended after the copy, before the rename: the whole download is named.
        PlantedCase{"WholeSourceGone", Copy::Whole, Record::Written, false, false, "~D0", {},
                    "tools.zip"},
        // Ended before the browser's file was deleted: that run's move is
        // finished; the browser's file is the browser's to delete.
        PlantedCase{"WholeSourceStays", Copy::Whole, Record::Written, true, false, "~D0", {},
                    "tools.zip"},
        PlantedCase{"WholeNameTaken", Copy::Whole, Record::Written, false, false, "~D7",
                    {"tools.zip"}, "tools (2).zip"},
        // Ended during a copy to another drive: NT sizes the copy in full,
        // 9x and Wine let it grow. Never named.
        PlantedCase{"SizedPartialSourceStays", Copy::SizedPartial, Record::Written, true},
        PlantedCase{"ShortPartialSourceGone", Copy::ShortPartial},
        PlantedCase{"NothingMovedYet", Copy::None},
        PlantedCase{"RecordCutShortAlone", Copy::None, Record::Cut},
        // Nothing vouches for these copies: they stay as they are.
        PlantedCase{"RecordCutShortWithCopy", Copy::Whole, Record::Cut, false, false, "~D0", {}, "",
                    true},
        PlantedCase{"EarlierVersionsFolder", Copy::Whole, Record::None, false, false, "~D0", {}, "",
                    true},
        PlantedCase{"CopyInUse", Copy::Whole, Record::Written, false, true, "~D0", {}, "", true},
        PlantedCase{"NotAStagingName", Copy::Whole, Record::Written, false, false, "~D01", {}, "",
                    true}),
    CaseName());

// A folder whose record a living process holds is another run's, still at
// work: left alone. Once that process has ended, however it ended, the
// system has closed its record and the folder is put right.
TEST_F(PlantedStagingTest, AFolderALivingRunHoldsIsLeftUntilItsProcessEnds) {
    const PlantedCase c{"Held", Copy::Whole};
    ASSERT_NO_FATAL_FAILURE(Plant(c));
    CChildProcess holder;
    const std::string record = Staging(c) + "\\~RUN";
    ASSERT_TRUE(holder.Start(Quoted(ProgramFolder() + "file_holder.exe") + " " + record));
    for (int i = 0; i < 500 && CHandle(CreateFileA(record.c_str(), GENERIC_READ, 0, nullptr,
                                                   OPEN_EXISTING, 0, nullptr)).IsValid(); ++i) {
        Sleep(10);
    }

    RecoverStagingFolders(m_folder);
    EXPECT_EQ(testfs::FolderNames(Staging(c)), (std::set<std::string>{"~PART", "~RUN"}));

    ASSERT_TRUE(TerminateProcess(holder.Handle(), 1));
    ASSERT_TRUE(holder.Wait(10000));
    RecoverStagingFolders(m_folder);
    EXPECT_EQ(testfs::FolderNames(m_folder), std::set<std::string>{"tools.zip"});
    EXPECT_EQ(ReadBytes(m_folder + "\\tools.zip"), DownloadBytes());
}

// NT keeps downloads beyond 4 GiB: the sample then lies past what 32 bits
// of offset reach.
TEST_F(CDownloadTest, TheSampleOfADownloadBeyond4GiBIsItsLastData) {
    const std::string path = Path("M4G.TMP");
    constexpr std::uint64_t kEnd = (std::uint64_t{1} << 32) + 20;
    {
        const CHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                                       nullptr));
        LONG high = static_cast<LONG>((kEnd - 4) >> 32);
        DWORD written = 0;
        ASSERT_NE(SetFilePointer(file.Get(), static_cast<LONG>(kEnd - 4), &high, FILE_BEGIN),
                  INVALID_SET_FILE_POINTER);
        ASSERT_TRUE(WriteFile(file.Get(), "tail", 4, &written, nullptr));
        // Zeros after the data, as a tar archive ends.
        ASSERT_TRUE(WriteFile(file.Get(), std::string(100, '\0').data(), 100, &written, nullptr));
    }
    const CHandedOver download = RecordHandedOver(path);
    DeleteFileA(path.c_str());
    ASSERT_TRUE(download.m_bRecorded);
    EXPECT_EQ(download.m_sample.m_size, kEnd + 100);
    EXPECT_EQ(download.m_sample.m_offset, kEnd - 512);
    EXPECT_EQ(download.m_sample.m_bytes, std::string(508, '\0') + "tail");
}

}  // namespace
}  // namespace dltest
