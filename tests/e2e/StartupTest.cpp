// The real DARIVOVA.EXE from the outside: the version test, the settings keys
// of a first start, and the choice between setup and download handling.
#include "CaseName.h"
#include "Files.h"
#include "Known.h"
#include "Process.h"
#include "Registry.h"
#include "Session.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testfs::Exists;
using testfs::WriteBytes;

constexpr char kVersionMessage[] =
    "Windows 95 or NT 4.0 is required by this pre-release beta version of the Ombrix Netscape "
    "Helper.";
constexpr char kCompanyKey[] = "Software\\Quenlock";
constexpr char kAppDefaults[] = "Software\\Wine\\AppDefaults\\";
constexpr char kWork[] = "C:\\StartupTest";

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clean();
        CreateDirectoryA(kWork, nullptr);
    }
    void TearDown() override { Clean(); }

    static void Clean() {
        testreg::DeleteTree(HKEY_CURRENT_USER, kCompanyKey);
        testreg::DeleteTree(HKEY_CURRENT_USER, std::string(kAppDefaults) + "DARIVOVA.EXE");
        testreg::DeleteTree(HKEY_CURRENT_USER, std::string(kAppDefaults) + "OTHER.EXE");
        testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
        testfs::RemoveTree(kWork);
    }

    static void SetWindowsVersion(const std::string& exe, const std::string& version) {
        testreg::SetString(HKEY_CURRENT_USER, std::string(kAppDefaults) + exe, "Version", version);
    }

    static std::string Program() { return ProgramFolder() + "DARIVOVA.EXE"; }
};

struct VersionCase {
    const char* name;  // the Windows version Wine reports to the program
    bool refused;
};

class VersionMatrix : public StartupTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(VersionMatrix, OnlyNtBeforeFourIsRefused) {
    SetWindowsVersion("DARIVOVA.EXE", GetParam().name);
    const SessionResult run = RunSession(Quoted(Program()));
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 0u);

    const std::string settings = std::string(kCompanyKey) + "\\DARIVOVA\\Settings";
    if (GetParam().refused) {
        ASSERT_EQ(run.windows.size(), 1u);
        const probe::Window& box = run.windows[0];
        EXPECT_EQ(box.className, "#32770");
        EXPECT_EQ(box.caption, "Error");  // the platform's default caption
        EXPECT_EQ(box.Text(), kVersionMessage);
        EXPECT_EQ(box.icon, "stop");
        EXPECT_EQ(box.Buttons(), std::vector<int>{IDOK});
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, kCompanyKey));
    } else {
        for (const probe::Window& window : run.windows) EXPECT_NE(window.Text(), kVersionMessage);
        EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, settings));
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, VersionMatrix,
                         ::testing::Values(VersionCase{"nt351", true}, VersionCase{"nt40", false},
                                           VersionCase{"win95", false}, VersionCase{"win98", false},
                                           VersionCase{"winxp", false}, VersionCase{"win7", false},
                                           VersionCase{"win10", false}),
                         CaseName());

TEST_F(StartupTest, FirstStartLeavesTheSettingsKeyWithoutAFolder) {
    const SessionResult run = RunSession(Quoted(Program()));
    ASSERT_TRUE(run.ended);
    const std::string settings = std::string(kCompanyKey) + "\\DARIVOVA\\Settings";
    EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, settings));
    EXPECT_FALSE(testreg::ReadValue(HKEY_CURRENT_USER, settings, "LaunchDir", nullptr, nullptr));
}

struct DispatchCase {
    const char* name;
    std::string tail;  // what follows the quoted program name
    bool setup;
};

class Dispatch : public StartupTest, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(Dispatch, AnEmptyTailRunsSetupAnyOtherHandlesADownload) {
    testreg::SetString(HKEY_CURRENT_USER, std::string(kCompanyKey) + "\\DARIVOVA\\Settings",
                       "LaunchDir", "C:\\StartupTest\\Keep");
    ASSERT_TRUE(WriteBytes("C:\\StartupTest\\x.zip", "archive"));

    const SessionResult run = RunSession(Quoted(Program()) + GetParam().tail, kWork);
    ASSERT_TRUE(run.ended);
    if (GetParam().setup) {
        EXPECT_NE(run.Find(kSetupCaption), nullptr);
        EXPECT_TRUE(Exists("C:\\StartupTest\\x.zip"));
    } else {
        EXPECT_EQ(run.Find(kSetupCaption), nullptr);
        EXPECT_TRUE(Exists("C:\\StartupTest\\Keep\\x.zip"));
        EXPECT_FALSE(Exists("C:\\StartupTest\\x.zip"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Dispatch,
    ::testing::Values(DispatchCase{"NameOnly", "", true},
                      DispatchCase{"BlanksAndTabs", "  \t  ", true},
                      DispatchCase{"GluedToTheQuotedName", "x.zip", false},
                      DispatchCase{"AfterABlank", " x.zip", false},
                      DispatchCase{"Quoted", " \"x.zip\"", false}),
    CaseName());

TEST_F(StartupTest, ARenamedProgramUsesItsNameForKeyAndCaptionButNotForTheVersionMessage) {
    ASSERT_TRUE(CopyFileA(Program().c_str(), "C:\\StartupTest\\OTHER.EXE", FALSE));
    ASSERT_TRUE(WriteBytes("C:\\StartupTest\\x.zip", "archive"));

    const SessionResult download = RunSession("\"C:\\StartupTest\\OTHER.EXE\" x.zip", kWork);
    ASSERT_TRUE(download.ended);
    ASSERT_EQ(download.windows.size(), 1u);  // no archive utility is registered
    EXPECT_EQ(download.windows[0].caption, "OTHER");
    EXPECT_EQ(download.windows[0].Text(), kText105);
    EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, std::string(kCompanyKey) + "\\OTHER\\Settings"));
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, std::string(kCompanyKey) + "\\DARIVOVA"));

    SetWindowsVersion("OTHER.EXE", "nt351");
    const SessionResult refused = RunSession("\"C:\\StartupTest\\OTHER.EXE\"", kWork);
    ASSERT_TRUE(refused.ended);
    ASSERT_EQ(refused.windows.size(), 1u);
    EXPECT_EQ(refused.windows[0].caption, "Error");
    EXPECT_EQ(refused.windows[0].Text(), kVersionMessage);
}

}  // namespace
