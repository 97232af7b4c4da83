#include "ui/FolderPicker.h"

#include "CaseName.h"
#include "Robot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char kTitle[] = "Move file to folder:";
constexpr int kTitleStaticId = 14146;

std::string CurrentDirectory() {
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

class FolderPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA(kRoot, nullptr);
        CreateDirectoryA(kFolder, nullptr);
        CreateDirectoryA(kHidden, nullptr);
        SetFileAttributesA(kHidden, FILE_ATTRIBUTE_HIDDEN);
        HANDLE file = CreateFileA(kFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
    }
    void TearDown() override {
        DeleteFileA(kFile);
        SetFileAttributesA(kHidden, FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(kHidden);
        RemoveDirectoryA(kFolder);
        RemoveDirectoryA(kRoot);
    }

    static constexpr char kRoot[] = "C:\\PickerTest";
    static constexpr char kFolder[] = "C:\\PickerTest\\Archives";
    static constexpr char kHidden[] = "C:\\PickerTest\\Hidden";
    static constexpr char kFile[] = "C:\\PickerTest\\file.zip";
};

TEST_F(FolderPickerTest, PickingAFolderGivesItsPath) {
    CFolderPicker picker(kTitle, kRoot, nullptr);
    CRobot robot;
    robot.PickFolder(kFolder).Start();
    EXPECT_EQ(picker.Browse(), IDOK);
    const std::vector<CRobot::Seen> seen = robot.Finish();

    EXPECT_EQ(picker.m_strPath, kFolder);
    ASSERT_EQ(seen.size(), 1u);
    const probe::Window& chooser = seen[0].window;
    ASSERT_NE(chooser.Find(kTitleStaticId), nullptr);
    EXPECT_EQ(chooser.Find(kTitleStaticId)->text, kTitle);
    EXPECT_EQ(chooser.owner, nullptr);
    EXPECT_EQ(seen[0].window.Buttons(), (std::vector<int>{IDOK, IDCANCEL}));
}

TEST_F(FolderPickerTest, PickingADriveGivesItsRootWithTheBackslash) {
    CFolderPicker picker(kTitle, kRoot, nullptr);
    CRobot robot;
    robot.PickFolder("C:\\").Start();
    EXPECT_EQ(picker.Browse(), IDOK);
    robot.Finish();
    EXPECT_EQ(picker.m_strPath, "C:\\");
}

TEST_F(FolderPickerTest, CancelLeavesThePathEmpty) {
    CFolderPicker picker(kTitle, kFolder, nullptr);
    CRobot robot;
    robot.CancelPicker().Start();
    EXPECT_EQ(picker.Browse(), IDCANCEL);
    robot.Finish();
    EXPECT_EQ(picker.m_strPath, "");
}

// A folder right on the drive, like the default download folder. (Wine's
// chooser compares a deeper path's folders with their access times, which the
// chooser's own reading changes: one folder deeper, selection is a matter of luck.)
TEST_F(FolderPickerTest, OpensWithTheInitialFolderSelected) {
    CFolderPicker picker(kTitle, kRoot, nullptr);
    CRobot robot;
    robot.CancelPicker().Start();
    picker.Browse();
    const std::vector<CRobot::Seen> seen = robot.Finish();
    ASSERT_EQ(seen.size(), 1u);
    const std::vector<std::string>& selected = seen[0].selectedFolder;
    ASSERT_GE(selected.size(), 2u);
    EXPECT_NE(selected[selected.size() - 2].find("(C:)"), std::string::npos);
    EXPECT_EQ(selected.back(), "PickerTest");
}

TEST_F(FolderPickerTest, IsModalToItsOwner) {
    CWnd owner;
    owner.m_hWnd = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner.m_hWnd, nullptr);
    CFolderPicker picker(kTitle, kFolder, &owner);
    CRobot robot;
    bool ownerDisabled = false;
    robot.Do([&](HWND chooser) {
        ownerDisabled = !IsWindowEnabled(owner.m_hWnd);
        probe::Press(chooser, IDCANCEL);
    });
    robot.Start();
    picker.Browse();
    const std::vector<CRobot::Seen> seen = robot.Finish();
    DestroyWindow(owner.m_hWnd);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].window.owner, owner.m_hWnd);
    EXPECT_TRUE(ownerDisabled);
}

struct InitialCase {
    const char* name;
    std::string given;
    bool kept;
};

class InitialFolderTest : public FolderPickerTest,
                          public ::testing::WithParamInterface<InitialCase> {};

TEST_P(InitialFolderTest, AnythingButAPlainFolderBecomesTheCurrentDirectory) {
    const CFolderPicker picker(kTitle, GetParam().given, nullptr);
    EXPECT_EQ(picker.m_strInitialFolder, GetParam().kept ? GetParam().given : CurrentDirectory());
    EXPECT_EQ(picker.m_strPath, "");
    EXPECT_EQ(picker.m_strDisplayName, "");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, InitialFolderTest,
    ::testing::Values(InitialCase{"PlainFolder", "C:\\PickerTest\\Archives", true},
                      InitialCase{"OtherCase", "c:\\pickertest\\ARCHIVES", true},
                      InitialCase{"Empty", "", false},
                      InitialCase{"Missing", "C:\\PickerTest\\Missing", false},
                      InitialCase{"AFile", "C:\\PickerTest\\file.zip", false},
                      InitialCase{"HiddenFolder", "C:\\PickerTest\\Hidden", false},
                      InitialCase{"TrailingBackslash", "C:\\PickerTest\\Archives\\", false},
                      InitialCase{"DriveRoot", "C:\\", false},
                      InitialCase{"MissingDrive", "Q:\\Download", false}),
    CaseName());

}  // namespace
