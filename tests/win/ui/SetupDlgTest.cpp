// The setup dialog and the about box, run in the test process and driven by
// the robot as a person would.
#include "ui/SetupDlg.h"

#include "platform/ModuleNames.h"
#include "ui/resource.h"

#include "CaseName.h"
#include "Robot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using casename::operator<<;

constexpr char kPreset[] = "C:\\Download";
constexpr char kPickRoot[] = "C:\\SetupDlgTest";
constexpr char kPicked[] = "C:\\SetupDlgTest\\Archives";

std::string EditText(HWND dialog) {
    char buffer[MAX_PATH] = {};
    GetDlgItemTextA(dialog, IDC_FOLDER, buffer, MAX_PATH);
    return buffer;
}

HICON ProgramIcon() {
    return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

class SetupDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA(kPickRoot, nullptr);
        CreateDirectoryA(kPicked, nullptr);
        m_dialog.m_strFolder = kPreset;
    }
    void TearDown() override {
        RemoveDirectoryA(kPicked);
        RemoveDirectoryA(kPickRoot);
    }

    CSetupDlg m_dialog;
};

TEST_F(SetupDlgTest, OpensWithTheFolderAndTheFocusOnYes) {
    std::string edit;
    CRobot robot;
    robot.Do([&](HWND dialog) {
        edit = EditText(dialog);
        probe::Press(dialog, IDCANCEL);
    });
    robot.Start();
    m_dialog.DoModal();
    const std::vector<CRobot::Seen> seen = robot.Finish();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(edit, kPreset);
    EXPECT_EQ(seen[0].window.focusId, IDOK);
    const probe::Control* yes = seen[0].window.Find(IDOK);
    ASSERT_NE(yes, nullptr);
    EXPECT_EQ(yes->style & 0x0F, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

// Yes takes the edit's text into the member; No, Esc and Close leave the
// member alone.
struct EndingCase {
    const char* name;
    void (*act)(HWND dialog);
    INT_PTR result;
    const char* folder;
};

class SetupEndingTest : public SetupDlgTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(SetupEndingTest, EndsAndExchangesOnlyOnYes) {
    const EndingCase& c = GetParam();
    CRobot robot;
    robot.Do([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_FOLDER, "D:\\Changed");
        c.act(dialog);
    });
    robot.Start();
    EXPECT_EQ(m_dialog.DoModal(), c.result);
    EXPECT_TRUE(robot.ScriptDone());
    robot.Finish();
    EXPECT_EQ(m_dialog.m_strFolder, c.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SetupEndingTest,
    ::testing::Values(
        EndingCase{"Yes", [](HWND w) { probe::Press(w, IDOK); }, IDOK, "D:\\Changed"},
        EndingCase{"Enter", [](HWND w) { probe::Key(w, VK_RETURN); }, IDOK, "D:\\Changed"},
        EndingCase{"No", [](HWND w) { probe::Press(w, IDCANCEL); }, IDCANCEL, kPreset},
        EndingCase{"Esc", [](HWND w) { probe::Key(w, VK_ESCAPE); }, IDCANCEL, kPreset},
        EndingCase{"Close", [](HWND w) { probe::SystemCommand(w, SC_CLOSE); }, IDCANCEL,
                   kPreset}),
    CaseName());

TEST_F(SetupDlgTest, SystemMenuEndsWithTheAboutItem) {
    int count = 0;
    UINT lastId = 0;
    UINT separatorState = 0;
    char text[64] = {};
    CRobot robot;
    robot.Do([&](HWND dialog) {
        HMENU menu = GetSystemMenu(dialog, FALSE);
        count = GetMenuItemCount(menu);
        lastId = GetMenuItemID(menu, count - 1);
        GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
        separatorState = GetMenuState(menu, count - 2, MF_BYPOSITION);
        probe::Press(dialog, IDCANCEL);
    });
    robot.Start();
    m_dialog.DoModal();
    robot.Finish();

    ASSERT_GE(count, 2);
    EXPECT_EQ(lastId, static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_STREQ(text, "&About DarivoVA...");
    EXPECT_NE(separatorState & MF_SEPARATOR, 0u);
}

TEST_F(SetupDlgTest, CarriesTheProgramIconBigAndSmall) {
    HICON big = nullptr;
    HICON small = nullptr;
    HICON drag = nullptr;
    ICONINFO smallInfo = {};
    BITMAP smallBitmap = {};
    CRobot robot;
    robot.Do([&](HWND dialog) {
        big = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
        small = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
        drag = reinterpret_cast<HICON>(SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0));
        if (small != nullptr && GetIconInfo(small, &smallInfo)) {
            GetObjectA(smallInfo.hbmMask, sizeof smallBitmap, &smallBitmap);
            DeleteObject(smallInfo.hbmMask);
            if (smallInfo.hbmColor != nullptr) DeleteObject(smallInfo.hbmColor);
        }
        probe::Press(dialog, IDCANCEL);
    });
    robot.Start();
    m_dialog.DoModal();
    robot.Finish();

    EXPECT_EQ(big, ProgramIcon());
    EXPECT_EQ(drag, ProgramIcon());
    ASSERT_NE(small, nullptr);
    EXPECT_NE(small, big);
    EXPECT_EQ(smallBitmap.bmWidth, 16);
}

// System commands 16 to 31 open the about box (the low four bits are the
// system's); the others get the default processing.
struct SysCommandCase {
    const char* name;
    UINT command;
    bool opensAbout;
};

class SetupSysCommandTest : public SetupDlgTest,
                            public ::testing::WithParamInterface<SysCommandCase> {};

TEST_P(SetupSysCommandTest, OpensTheAboutBoxForItsItemOnly) {
    const SysCommandCase& c = GetParam();
    HWND setup = nullptr;
    bool setupDisabled = false;
    CRobot robot;
    robot.Do([&](HWND dialog) {
        setup = dialog;
        probe::SystemCommand(dialog, c.command);
        if (!c.opensAbout) {
            Sleep(300);
            probe::Press(dialog, IDCANCEL);
        }
    });
    if (c.opensAbout) {
        robot.Do([&](HWND about) {
            setupDisabled = !IsWindowEnabled(setup);
            probe::Press(about, IDOK);
            probe::WaitUntilGone(about, 5000);
            probe::Press(setup, IDCANCEL);
        });
    }
    robot.Start();
    EXPECT_EQ(m_dialog.DoModal(), IDCANCEL);
    const std::vector<CRobot::Seen> seen = robot.Finish();

    ASSERT_EQ(seen.size(), c.opensAbout ? 2u : 1u);
    if (!c.opensAbout) return;
    const probe::Window& about = seen[1].window;
    EXPECT_TRUE(seen[1].expected);
    EXPECT_EQ(about.caption, "About DarivoVA");
    EXPECT_EQ(about.owner, setup);
    EXPECT_TRUE(setupDisabled);
    ASSERT_EQ(about.controls.size(), 3u);
    EXPECT_EQ(about.controls[1].text, "Ombrix Navigator Helper Version 0.71");
    EXPECT_EQ(about.Buttons(), std::vector<int>{IDOK});
}

INSTANTIATE_TEST_SUITE_P(Commands, SetupSysCommandTest,
                         ::testing::Values(SysCommandCase{"Command15", 15, false},
                                           SysCommandCase{"Command16", 16, true},
                                           SysCommandCase{"Command23", 23, true},
                                           SysCommandCase{"Command31", 31, true},
                                           SysCommandCase{"Command32", 32, false}),
                         CaseName());

// Browse... opens the folder chooser titled for the move, owned by the
// dialog; a choice replaces the edit's text, Cancel keeps it.
struct BrowseCase {
    const char* name;
    bool pick;
    const char* edit;
};

class SetupBrowseTest : public SetupDlgTest, public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(SetupBrowseTest, ChangesTheFolderOnlyWhenOneIsChosen) {
    const BrowseCase& c = GetParam();
    HWND setup = nullptr;
    std::string editAfter;
    CRobot robot;
    robot.Do([&](HWND dialog) {
        setup = dialog;
        probe::Press(dialog, IDC_BROWSE);
    });
    robot.Do([&](HWND chooser) {
        if (c.pick) {
            probe::PickFolder(chooser, kPicked);
        } else {
            probe::Press(chooser, IDCANCEL);
        }
        probe::WaitUntilGone(chooser, 5000);
        editAfter = EditText(setup);
        probe::Press(setup, IDOK);
    });
    robot.Start();
    EXPECT_EQ(m_dialog.DoModal(), IDOK);
    EXPECT_TRUE(robot.ScriptDone());
    const std::vector<CRobot::Seen> seen = robot.Finish();

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].window.owner, setup);
    const probe::Control* title = seen[1].window.Find(14146);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "Move file to folder:");
    EXPECT_EQ(editAfter, c.edit);
    EXPECT_EQ(m_dialog.m_strFolder, c.edit);
}

INSTANTIATE_TEST_SUITE_P(Choices, SetupBrowseTest,
                         ::testing::Values(BrowseCase{"Chosen", true, kPicked},
                                           BrowseCase{"Cancelled", false, kPreset}),
                         CaseName());

// The help file quit on destruction sits next to the executable.
struct HelpFileCase {
    const char* module;
    const char* help;
};

class HelpFileTest : public ::testing::TestWithParam<HelpFileCase> {};

TEST_P(HelpFileTest, ReplacesTheExtension) {
    EXPECT_EQ(HelpFileFromModulePath(GetParam().module), GetParam().help);
}

INSTANTIATE_TEST_SUITE_P(Paths, HelpFileTest,
                         ::testing::Values(
                             HelpFileCase{"Z:\\tools\\DARIVOVA.EXE", "Z:\\tools\\DARIVOVA.HLP"},
                             HelpFileCase{"C:\\a b\\x.tar.exe", "C:\\a b\\x.tar.HLP"},
                             // A dot in a folder name is no extension.
                             HelpFileCase{"C:\\v1.2\\DARIVOVA", "C:\\v1.2\\DARIVOVA.HLP"}));

}  // namespace
