#include "DownloadFixture.h"

#include "DownloadBench.h"
#include "Process.h"

#include <cstdio>

namespace dltest {

namespace {

constexpr char kStandinLog[] = "C:\\DlTest\\ombrix.log";

// Each line "<folder>|<argument>"; a bar in the argument stays in it.
std::vector<Launch> ReadLaunches() {
    std::vector<Launch> launches;
    for (const std::vector<std::string>& fields : dlbench::ReadLines(kStandinLog)) {
        Launch launch{fields[0], ""};
        for (std::size_t i = 1; i < fields.size(); ++i) {
            launch.argument += (i > 1 ? "|" : "") + fields[i];
        }
        launches.push_back(launch);
    }
    return launches;
}

}  // namespace

std::string Path(const std::string& relative) { return std::string(kRoot) + "\\" + relative; }

void CDownloadTest::SetUp() {
    RemoveTree(kRoot);
    RemoveTree(kOtherRoot);
    ASSERT_TRUE(CreateDirectoryA(kRoot, nullptr));
    SetEnvironmentVariableA("OMBRIX_STANDIN_LOG", kStandinLog);
    m_app.InitApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    m_app.SetCompanyKey(kCompanyKey);
    m_settingsKey = std::string("Software\\") + kCompanyKey + "\\" + m_app.m_strAppName;
    testreg::DeleteTree(HKEY_CURRENT_USER, m_settingsKey);
    testreg::DeleteTree(HKEY_CURRENT_USER, kUrlTable);
    testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
}

void CDownloadTest::TearDown() {
    testreg::DeleteTree(HKEY_CURRENT_USER, m_settingsKey);
    testreg::DeleteTree(HKEY_CURRENT_USER, kUrlTable);
    testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
    SetCurrentDirectoryA("C:\\");
    RemoveTree(kRoot);
    RemoveTree(kOtherRoot);
}

void CDownloadTest::InstallArchiver(const std::string& exePath, const std::string& command) {
    // Each folder of the path, then the copy.
    for (std::string::size_type at = exePath.find('\\', 3); at != std::string::npos;
         at = exePath.find('\\', at + 1)) {
        CreateDirectoryA(exePath.substr(0, at).c_str(), nullptr);
    }
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "ombrix32.exe").c_str(), exePath.c_str(), FALSE));
    ASSERT_TRUE(testreg::SetString(HKEY_CLASSES_ROOT, kArchiverKey, "", command));
}

void CDownloadTest::InstallArchiver() {
    InstallArchiver(Path("Ombrix\\ombrix32.exe"), Path("Ombrix\\ombrix32.exe") + " %1");
}

std::vector<Launch> CDownloadTest::Launches(std::size_t count) {
    // The shell returns before the program runs.
    for (int i = 0; i < 500 && ReadLaunches().size() < count; ++i) Sleep(10);
    Sleep(count == 0 ? 300 : 100);
    return ReadLaunches();
}

std::string CDownloadTest::LaunchDir() const {
    DWORD type = 0;
    std::string bytes;
    if (!testreg::ReadValue(HKEY_CURRENT_USER, m_settingsKey + "\\" + kSettingsSection,
                            kLaunchDirValue, &type, &bytes)) {
        return "<none>";
    }
    return bytes.substr(0, bytes.find('\0'));
}

void CDownloadTest::SetUrl(const std::string& temporaryFile, const std::string& url) {
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kUrlTable, temporaryFile, url));
}

void CDownloadTest::ExpectSeen(const std::vector<CRobot::Seen>& seen,
                               const std::vector<std::string>& windows) {
    ASSERT_EQ(seen.size(), windows.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const probe::Window& window = seen[i].window;
        EXPECT_TRUE(seen[i].expected) << "window " << i << ": " << window.caption;
        if (windows[i] == "picker") {
            EXPECT_EQ(window.caption, "Browse for Folder") << "window " << i;
            const probe::Control* title = window.Find(14146);
            EXPECT_TRUE(title != nullptr && title->text == "Move file to folder:") << "window " << i;
            EXPECT_EQ(window.owner, nullptr) << "window " << i;
            continue;
        }
        EXPECT_EQ(window.Text(), windows[i]) << "window " << i;
        EXPECT_EQ(window.icon, "exclamation") << "window " << i;
        EXPECT_EQ(window.caption, "win_download_tests") << "window " << i;
        const std::vector<int> buttons = windows[i] == kText105 ? std::vector<int>{IDOK}
                                                                : std::vector<int>{IDYES, IDNO};
        EXPECT_EQ(window.Buttons(), buttons) << "window " << i;
    }
}

}  // namespace dltest
