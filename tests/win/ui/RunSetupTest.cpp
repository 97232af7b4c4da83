// The setup road inside the program: the dialog, then the saved folder, the
// registration and its one message.
#include "app/HelperApp.h"
#include "app/Settings.h"

#include "CaseName.h"
#include "PlantedStaging.h"
#include "Registry.h"
#include "RegistryExtras.h"
#include "Robot.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using casename::operator<<;

const std::string kNetscape = "Software\\Netscape";
const std::string kNavigator = "Software\\Netscape\\Netscape Navigator";
const std::string kSettings = "Software\\Quenlock\\win_ui_tests\\Settings";
// Saved as given, whether or not it exists.
constexpr char kFolder[] = "C:\\No Such Folder";

class RunSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clean();
        m_app.InitApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        m_app.SetCompanyKey(kCompanyKey);
    }
    void TearDown() override { Clean(); }

    static void Clean() {
        testreg::DeleteTree(HKEY_CURRENT_USER, kNetscape);
        testreg::DeleteTree(HKEY_CURRENT_USER, "Software\\Quenlock\\win_ui_tests");
    }

    CHelperApp m_app;
};

struct OutcomeCase {
    const char* name;
    std::function<bool()> arrange;
    const char* text;
    const char* icon;
    bool registered;
    bool saved = true;  // LaunchDir holds the folder afterwards
};

class RunSetupOutcomeTest : public RunSetupTest,
                            public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(RunSetupOutcomeTest, YesSavesRegistersAndReports) {
    const OutcomeCase& c = GetParam();
    ASSERT_TRUE(c.arrange());
    bool setupGoneBeforeMessage = false;
    HWND setup = nullptr;
    CRobot robot;
    robot.Do([&](HWND dialog) {
        setup = dialog;
        probe::Press(dialog, IDOK);
    });
    robot.Do([&](HWND box) {
        setupGoneBeforeMessage = !IsWindow(setup);
        probe::Press(box, IDOK);
    });
    robot.Start();
    m_app.RunSetup(kFolder);
    EXPECT_TRUE(robot.ScriptDone());
    const std::vector<CRobot::Seen> seen = robot.Finish();

    ASSERT_EQ(seen.size(), 2u);
    const probe::Window& box = seen[1].window;
    EXPECT_EQ(box.caption, "win_ui_tests");
    EXPECT_EQ(box.Text(), c.text);
    EXPECT_EQ(box.icon, c.icon);
    EXPECT_EQ(box.Buttons(), std::vector<int>{IDOK});
    EXPECT_TRUE(setupGoneBeforeMessage);

    DWORD type = 0;
    std::string bytes;
    EXPECT_EQ(testreg::ReadValue(HKEY_CURRENT_USER, kSettings, "LaunchDir", &type, &bytes),
              c.saved);
    if (c.saved) {
        EXPECT_EQ(bytes, std::string(kFolder, sizeof kFolder));
    }
    EXPECT_EQ(testreg::ReadValue(HKEY_CURRENT_USER, kNavigator + "\\Viewers", "application/zip",
                                 &type, &bytes),
              c.registered);
}

INSTANTIATE_TEST_SUITE_P(
    Results, RunSetupOutcomeTest,
    ::testing::Values(
        OutcomeCase{"Registered",
                    [] { return testreg::SetString(HKEY_CURRENT_USER, kNavigator, "", ""); },
                    "DarivoVA registered as a Netscape Navigator 2.0+ viewer.\n"
                    "DarivoVA will use the folder you specified next time your click on a Ombrix "
                    "file.\n"
                    "Close all running instances of Navigator for changes to take affect.",
                    "information", true},
        OutcomeCase{"NavigatorMissing", [] { return true; },
                    "Netscape Navigator 2.0+ not installed. Please install it and try again.",
                    "exclamation", false},
        // The viewer table cannot be created below a volatile Navigator key.
        OutcomeCase{"RegistryRefused",
                    [] { return testreg::CreateVolatileKey(HKEY_CURRENT_USER, kNavigator); },
                    "Unable to install DarivoVA as Navigator viewer.", "exclamation", false},
        // The settings key takes no values: nothing claims the folder is used.
        OutcomeCase{"FolderNotSaved",
                    [] {
                        return testreg::SetString(HKEY_CURRENT_USER, kNavigator, "", "") &&
                               testreg::AllowOnly(HKEY_CURRENT_USER, kSettings, KEY_READ);
                    },
                    "Unable to install DarivoVA as Navigator viewer.", "exclamation", false,
                    false}),
    CaseName());

// A run that ended after its copy left the whole download in the staging
// folder of the folder that setup now saves: setup gives it its name there.
TEST_F(RunSetupTest, YesPutsRightWhatARunLeftInTheFolder) {
    const std::string folder = "C:\\SetupStaging", download = "PK\x03\x04 left by a run";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(PlantStagingFolder(folder + "\\~D0", folder, "tools.zip", "C:\\M1.TMP", download,
                                   true, &download));
    CRobot robot;
    robot.Do([](HWND dialog) { probe::Press(dialog, IDOK); }).Do([](HWND box) {
        probe::Press(box, IDOK);
    });
    robot.Start();
    m_app.RunSetup(folder);
    robot.Finish();
    EXPECT_EQ(testfs::FolderNames(folder), std::set<std::string>{"tools.zip"});
    EXPECT_EQ(testfs::ReadBytes(folder + "\\tools.zip"), download);
    testfs::RemoveTree(folder);
}

}  // namespace
