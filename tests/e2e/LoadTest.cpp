// Load on the program from the outside: many downloads handed over at the
// same moment, each by its own process of the real DARIVOVA.EXE; and several
// processes writing the one setting at once.
#include "CaseName.h"
#include "DownloadBench.h"
#include "Known.h"
#include "LaunchDirValues.h"
#include "Process.h"
#include "Registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using dlbench::PatternBytes;
using dlbench::ReadBytes;
using dlbench::ReadLines;
using dlbench::RemoveTree;
using testfs::FolderNames;

constexpr char kRoot[] = "C:\\LoadTest";
// Drive D:, another volume: a download folder there is reached by a copy.
constexpr char kOtherRoot[] = "D:\\LoadTest";
constexpr char kStandinLog[] = "C:\\LoadTest\\ombrix.log";
constexpr char kReport[] = "C:\\LoadTest\\report.txt";
constexpr char kWriterSettings[] = "Software\\Quenlock\\launchdir_writer\\Settings";

std::string Path(const std::string& relative) { return std::string(kRoot) + "\\" + relative; }

class LoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clean();
        ASSERT_TRUE(CreateDirectoryA(kRoot, nullptr));
        SetEnvironmentVariableA("OMBRIX_STANDIN_LOG", kStandinLog);
    }
    void TearDown() override { Clean(); }

    // DARIVOVA.EXE is the browser's viewer for zip files, downloads go to
    // folder, and the archive-utility stand-in is registered.
    static void ArrangeDownloads(const std::string& folder) {
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kSettingsKey, "LaunchDir", folder));
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kViewers, "application/zip",
                                   ProgramFolder() + "DARIVOVA.EXE"));
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "ombrix32.exe").c_str(), Path("ombrix32.exe").c_str(),
                          FALSE));
    ASSERT_TRUE(testreg::SetString(HKEY_CLASSES_ROOT, kArchiverKey, "", Path("ombrix32.exe") + " %1"));
    }

    // The browser stand-in hands count downloads of size bytes from url
    // ("{n}" numbers them) over at once, waits for their viewers and cleans
    // up; its report goes to kReport.
    static void HandOver(const std::string& url, std::size_t size, int count) {
        CChildProcess browser;
        ASSERT_TRUE(browser.Start(Quoted(ProgramFolder() + "navigator_standin.exe") +
                                  " --type application/zip --url " + url + " --size " +
                                  std::to_string(size) + " --count " + std::to_string(count) +
                                  " --temp " + Path("NavTemp") + " --report " + kReport +
                                  " --timeout 45000"));
        DWORD exitCode = 99;
        ASSERT_TRUE(browser.Wait(60000, &exitCode));
        EXPECT_EQ(exitCode, 0u);
    }

    static void Clean() {
        testreg::DeleteTree(HKEY_CURRENT_USER, "Software\\Quenlock");
        testreg::DeleteTree(HKEY_CURRENT_USER, "Software\\Netscape");
        testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
        RemoveTree(kRoot);
        RemoveTree(kOtherRoot);
    }
};

TEST_F(LoadTest, SixtyFourHandOversAtOnceAreAllKeptAndOpened) {
    constexpr int kDownloads = 64;
    constexpr std::size_t kSize = 20000;
    const std::string folder = Path("Download");
    // The download folder is missing at first: all of them race to create it.
    ASSERT_NO_FATAL_FAILURE(ArrangeDownloads(folder));

    ASSERT_NO_FATAL_FAILURE(HandOver("http://host/pub/load{n}.zip", kSize, kDownloads));

    // Every viewer ended on its own, each with its temporary file already
    // gone before the browser's clean-up.
    int ended = 0;
    for (const auto& line : ReadLines(kReport)) {
        ASSERT_GE(line.size(), 3u);
        if (line[0] == "started") continue;
        ASSERT_EQ(line[0], "ended") << line[2];
        ++ended;
        EXPECT_EQ(line[2], "0");
        EXPECT_EQ(line[3], "absent") << line[4];
    }
    EXPECT_EQ(ended, kDownloads);
    EXPECT_TRUE(FolderNames(Path("NavTemp")).empty());

    // Each download is kept under its own name with its bytes, and nothing
    // else is in the folder.
    std::set<std::string> expectedNames;
    std::set<std::string> expectedArguments;
    for (int n = 1; n <= kDownloads; ++n) {
        const std::string name = "load" + std::to_string(n) + ".zip";
        expectedNames.insert(name);
        expectedArguments.insert(Quoted(folder + "\\" + name));
        EXPECT_TRUE(ReadBytes(folder + "\\" + name) == PatternBytes(kSize, n)) << name;
    }
    EXPECT_EQ(FolderNames(folder), expectedNames);

    // The archive utility was started once for each file, in the folder.
    const auto launches = dlbench::WaitForLaunches(kStandinLog, kDownloads);
    EXPECT_EQ(launches.size(), static_cast<std::size_t>(kDownloads));
    std::multiset<std::string> arguments;
    for (const auto& launch : launches) {
        ASSERT_EQ(launch.size(), 2u);
        EXPECT_EQ(launch[0], folder);
        arguments.insert(launch[1]);
    }
    EXPECT_EQ(arguments, std::multiset<std::string>(expectedArguments.begin(), expectedArguments.end()));
    EXPECT_EQ(dlbench::StoredLaunchDir(), folder);
}

// Eight downloads of one name rarely meet in the same moment under Wine;
// thirty-two do, every time, when choosing a free name and moving there race.
// On the drive of the temporary files the move is a rename; on another drive
// a copy, long enough for the others to take names meanwhile.
struct FolderCase {
    const char* name;
    const char* folder;
};

class SameNamedLoadTest : public LoadTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(SameNamedLoadTest, ThirtyTwoSameNamedDownloadsAtOnceAreAllKeptUnderFreeNames) {
    constexpr int kDownloads = 32;
    constexpr std::size_t kSize = 5000;
    const std::string folder = GetParam().folder;
    ASSERT_TRUE(CreateDirectoryA(kOtherRoot, nullptr));
    ASSERT_NO_FATAL_FAILURE(ArrangeDownloads(folder));

    ASSERT_NO_FATAL_FAILURE(HandOver("http://host/pub/tools.zip", kSize, kDownloads));

    // tools.zip, tools (2).zip, tools (3).zip ..., each holding one download.
    std::set<std::string> expectedNames = {"tools.zip"};
    for (int n = 2; n <= kDownloads; ++n) expectedNames.insert("tools (" + std::to_string(n) + ").zip");
    EXPECT_EQ(FolderNames(folder), expectedNames);
    std::set<std::string> contents;
    for (const std::string& name : expectedNames) contents.insert(ReadBytes(folder + "\\" + name));
    std::set<std::string> expectedContents;
    for (int n = 1; n <= kDownloads; ++n) expectedContents.insert(PatternBytes(kSize, n));
    EXPECT_TRUE(contents == expectedContents);
    EXPECT_EQ(dlbench::WaitForLaunches(kStandinLog, kDownloads).size(),
              static_cast<std::size_t>(kDownloads));
}

INSTANTIATE_TEST_SUITE_P(Folders, SameNamedLoadTest,
                         ::testing::Values(FolderCase{"SameDrive", "C:\\LoadTest\\Download"},
                                           FolderCase{"OtherDrive", "D:\\LoadTest\\Download"}),
                         CaseName());

TEST_F(LoadTest, WritersAtOnceNeverReadAMixtureOrTheDefault) {
    constexpr int kWriters = 8;
    constexpr int kRounds = 1000;
    const HANDLE start = CreateEventA(nullptr, TRUE, FALSE, kLoadStartEvent);
    ASSERT_NE(start, nullptr);

    std::vector<std::unique_ptr<CChildProcess>> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.push_back(std::make_unique<CChildProcess>());
        EXPECT_TRUE(writers.back()->Start(
            Quoted(ProgramFolder() + "launchdir_writer.exe") + " " + std::to_string(writer) + " " +
            std::to_string(kWriters) + " " + std::to_string(kRounds) + " " +
            Path("writer" + std::to_string(writer) + ".txt")));
    }
    // Let every writer reach the start line, then let them all go.
    Sleep(500);
    SetEvent(start);

    for (int writer = 0; writer < kWriters; ++writer) {
        DWORD exitCode = 99;
        EXPECT_TRUE(writers[writer]->Wait(40000, &exitCode)) << writer;
        EXPECT_EQ(exitCode, 0u) << "writer " << writer << " read a mixture";
        const auto report = ReadLines(Path("writer" + std::to_string(writer) + ".txt"));
        ASSERT_EQ(report.size(), 1u) << writer;
        ASSERT_EQ(report[0].size(), 3u);
        EXPECT_EQ(report[0][0], std::to_string(kRounds));
        EXPECT_EQ(report[0][2], "0") << "writer " << writer << " read a mixture";
        // A read that meets a longer value written between its two queries
        // asks again: while a value exists, the default never comes back.
        EXPECT_EQ(report[0][1], "0") << "writer " << writer << " read the default";
    }
    CloseHandle(start);

    DWORD type = 0;
    std::string stored;
    ASSERT_TRUE(testreg::ReadValue(HKEY_CURRENT_USER, kWriterSettings, "LaunchDir", &type, &stored));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    ASSERT_FALSE(stored.empty());
    EXPECT_EQ(stored.back(), '\0');
    EXPECT_TRUE(IsWrittenValue(stored.substr(0, stored.size() - 1), kWriters))
        << "stored " << stored.size() << " bytes";
}

}  // namespace
