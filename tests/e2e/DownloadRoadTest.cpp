// The download road from the outside: the browser stand-in hands its
// temporary files to the real DARIVOVA.EXE, which keeps them in the download
// folder and starts the archive-utility stand-in on them; the test reads and
// answers the program's windows as a person would.
#include "DownloadBench.h"
#include "Known.h"
#include "Probe.h"
#include "Process.h"
#include "Registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr char kRoot[] = "C:\\RoadTest";
constexpr char kDefaultFolder[] = "C:\\Download";
constexpr char kNetscape[] = "Software\\Netscape";
constexpr char kStandinLog[] = "C:\\RoadTest\\ombrix.log";
constexpr char kReport[] = "C:\\RoadTest\\report.txt";


std::string Path(const std::string& relative) { return std::string(kRoot) + "\\" + relative; }

using dlbench::PatternBytes;
using dlbench::ReadBytes;
using dlbench::ReadLines;
using dlbench::RemoveTree;
using dlbench::WriteBytes;

class DownloadRoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clean();
        ASSERT_TRUE(CreateDirectoryA(kRoot, nullptr));
        ASSERT_TRUE(WriteBytes(m_source, "PK\x03\x04 tools, downloaded"));
        SetEnvironmentVariableA("OMBRIX_STANDIN_LOG", kStandinLog);
        ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kViewers, "application/zip",
                                       ProgramFolder() + "DARIVOVA.EXE"));
    }
    void TearDown() override {
        m_browser.reset();
        Clean();
    }

    static void Clean() {
        testreg::DeleteTree(HKEY_CURRENT_USER, "Software\\Quenlock");
        testreg::DeleteTree(HKEY_CURRENT_USER, kNetscape);
        testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
        RemoveTree(kRoot);
        RemoveTree(kDefaultFolder);
    }

    // The stand-in under a folder with blanks, registered in quotes and in
    // capitals, as an installer would.
    void InstallArchiver() {
        CreateDirectoryA(Path("Program Files").c_str(), nullptr);
        CreateDirectoryA(Path("Program Files\\Ombrix").c_str(), nullptr);
        ASSERT_TRUE(CopyFileA((ProgramFolder() + "ombrix32.exe").c_str(),
                              Path("Program Files\\Ombrix\\ombrix32.exe").c_str(), FALSE));
        ASSERT_TRUE(testreg::SetString(HKEY_CLASSES_ROOT, kArchiverKey, "",
                                       "\"C:\\ROADTEST\\PROGRAM FILES\\OMBRIX\\OMBRIX32.EXE\" \"%1\""));
    }

    void StartBrowser(const std::string& options) {
        m_browser = std::make_unique<CChildProcess>();
        ASSERT_TRUE(m_browser->Start(Quoted(ProgramFolder() + "navigator_standin.exe") +
                                     " --type application/zip --temp " + Path("NavTemp") +
                                     " --report " + kReport + " --timeout 20000 " + options));
    }

    // The viewer process the browser started for its only download.
    DWORD ViewerProcess() {
        for (int i = 0; i < 1000; ++i) {
            for (const auto& line : ReadLines(kReport)) {
                if (line.size() == 3 && line[0] == "started") return std::stoul(line[1]);
            }
            Sleep(10);
        }
        return 0;
    }

    // Waits for the browser to end, its clean-up done; then its report.
    std::vector<std::vector<std::string>> BrowserClosed() {
        DWORD exitCode = 99;
        EXPECT_TRUE(m_browser->Wait(40000, &exitCode));
        EXPECT_EQ(exitCode, 0u);
        return ReadLines(kReport);
    }

    // Waits until the archive utility recorded count starts (the shell returns
    // before it runs), and a little longer for any start too many.
    std::vector<std::vector<std::string>> Launches(std::size_t count) {
        return dlbench::WaitForLaunches(kStandinLog, count);
    }

    // Waits for a window of the viewer that is not one of those seen already.
    probe::Window NextWindow(DWORD viewer, const std::string& caption) {
        const HWND window = probe::WaitForWindow(viewer, caption, 10000, m_seen);
        EXPECT_NE(window, nullptr) << caption;
        if (window == nullptr) return {};
        m_seen.push_back(window);
        return probe::Describe(window);
    }

    static std::string LaunchDir() { return dlbench::StoredLaunchDir(); }

    const std::string m_source = Path("tools.bin");
    std::unique_ptr<CChildProcess> m_browser;
    std::vector<HWND> m_seen;
};

TEST_F(DownloadRoadTest, OneDownloadIsKeptAndOpened) {
    InstallArchiver();
    StartBrowser("--url http://host/pub/tools.zip --from " + m_source);
    const auto report = BrowserClosed();

    // The viewer ended with the temporary file already gone, before the
    // browser's clean-up.
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[1][0], "ended");
    EXPECT_EQ(report[1][3], "absent");
    // The download folder did not exist; the download is there after the
    // browser closed.
    EXPECT_EQ(ReadBytes("C:\\Download\\tools.zip"), ReadBytes(m_source));

    const auto launches = Launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0][0], "C:\\Download");
    EXPECT_EQ(launches[0][1], "\"C:\\Download\\tools.zip\"");
    EXPECT_EQ(LaunchDir(), "<none>");
}

TEST_F(DownloadRoadTest, Declining110DeletesTheTemporaryFile) {
    InstallArchiver();
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kSettingsKey, "LaunchDir", Path("No\\Download")));
    StartBrowser("--url http://host/pub/tools.zip --from " + m_source);
    const DWORD viewer = ViewerProcess();
    ASSERT_NE(viewer, 0u);

    const probe::Window box = NextWindow(viewer, "DARIVOVA");
    EXPECT_EQ(box.Text(), kText110);
    EXPECT_EQ(box.icon, "exclamation");
    EXPECT_EQ(box.Buttons(), (std::vector<int>{IDYES, IDNO}));
    ASSERT_TRUE(probe::Press(box.hwnd, IDNO));

    const auto report = BrowserClosed();
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[1][3], "absent");
    EXPECT_EQ(LaunchDir(), Path("No\\Download"));
    EXPECT_TRUE(Launches(0).empty());
}

TEST_F(DownloadRoadTest, FolderPickedAfter110IsUsedAndSaved) {
    InstallArchiver();
    ASSERT_TRUE(CreateDirectoryA(Path("Picked").c_str(), nullptr));
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kSettingsKey, "LaunchDir", Path("No\\Download")));
    StartBrowser("--url http://host/pub/tools.zip --from " + m_source);
    const DWORD viewer = ViewerProcess();
    ASSERT_NE(viewer, 0u);

    const probe::Window box = NextWindow(viewer, "DARIVOVA");
    EXPECT_EQ(box.Text(), kText110);
    ASSERT_TRUE(probe::Press(box.hwnd, IDYES));
    const probe::Window chooser = NextWindow(viewer, "Browse for Folder");
    ASSERT_TRUE(probe::PickFolder(chooser.hwnd, Path("Picked")));

    const auto report = BrowserClosed();
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[1][3], "absent");
    EXPECT_EQ(ReadBytes(Path("Picked\\tools.zip")), ReadBytes(m_source));
    EXPECT_EQ(LaunchDir(), Path("Picked"));
    const auto launches = Launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0][0], Path("Picked"));
    EXPECT_EQ(launches[0][1], "\"" + Path("Picked\\tools.zip") + "\"");
}

TEST_F(DownloadRoadTest, FailedLaunchKeepsTheMovedFile) {
    StartBrowser("--url http://host/pub/tools.zip --from " + m_source);
    const DWORD viewer = ViewerProcess();
    ASSERT_NE(viewer, 0u);

    const probe::Window box = NextWindow(viewer, "DARIVOVA");
    EXPECT_EQ(box.Text(), kText105);
    EXPECT_EQ(box.icon, "exclamation");
    EXPECT_EQ(box.Buttons(), (std::vector<int>{IDOK}));
    ASSERT_TRUE(probe::Press(box.hwnd, IDOK));

    const auto report = BrowserClosed();
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[1][3], "absent");
    EXPECT_EQ(ReadBytes("C:\\Download\\tools.zip"), ReadBytes(m_source));
}

TEST_F(DownloadRoadTest, EightDownloadsAtOnceAreAllKept) {
    // The download folder is missing at first: the eight race to create it.
    InstallArchiver();
    StartBrowser("--url http://host/pub/tools{n}.zip --size 3000 --count 8");
    const auto report = BrowserClosed();

    int ended = 0;
    for (const auto& line : report) {
        EXPECT_NE(line[0], "timeout") << "a viewer still waited: " << line[2];
        if (line[0] != "ended") continue;
        ++ended;
        EXPECT_EQ(line[2], "0");
        EXPECT_EQ(line[3], "absent") << line[4];
    }
    EXPECT_EQ(ended, 8);
    for (int n = 1; n <= 8; ++n) {
        const std::string kept = "C:\\Download\\tools" + std::to_string(n) + ".zip";
        EXPECT_EQ(ReadBytes(kept), PatternBytes(3000, n)) << kept;
    }
    EXPECT_EQ(Launches(8).size(), 8u);
    EXPECT_EQ(LaunchDir(), "<none>");
}

}  // namespace
