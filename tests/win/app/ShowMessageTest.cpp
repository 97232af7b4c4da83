#include "app/ShowMessage.h"

#include "CaseName.h"
#include "Known.h"
#include "Robot.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct MessageCase {
    const char* name;
    unsigned id;
    unsigned type;
    int press;
    const char* text;
    std::vector<int> buttons;
    const char* icon;
};

class ShowMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ShowMessageTest, ShowsTheCatalogueTextCaptionedWithTheApplicationName) {
    const MessageCase& c = GetParam();
    CRobot robot;
    robot.Press(c.press).Start();
    const int answer = ShowMessage(c.id, c.type);
    const std::vector<CRobot::Seen> seen = robot.Finish();

    ASSERT_EQ(seen.size(), 1u);
    const probe::Window& box = seen[0].window;
    EXPECT_EQ(box.className, "#32770");
    EXPECT_EQ(box.caption, "win_app_tests");
    EXPECT_EQ(box.Text(), c.text);
    EXPECT_EQ(box.Buttons(), c.buttons);
    EXPECT_EQ(box.icon, c.icon);
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(answer, c.press);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, ShowMessageTest,
    ::testing::Values(
        MessageCase{"LaunchFailed", 105, 0, IDOK,
                    "Unable to launch Ombrix. Please check that it is installed properly.",
                    {IDOK}, "exclamation"},
        MessageCase{"Registered", 106, 0x40, IDOK,
                    "DarivoVA registered as a Netscape Navigator 2.0+ viewer.\n"
                    "DarivoVA will use the folder you specified next time your click on a Ombrix "
                    "file.\n"
                    "Close all running instances of Navigator for changes to take affect.",
                    {IDOK}, "information"},
        MessageCase{"NavigatorMissing", 107, 0, IDOK,
                    "Netscape Navigator 2.0+ not installed. Please install it and try again.",
                    {IDOK}, "exclamation"},
        MessageCase{"RegisterFailed", 108, 0, IDOK,
                    "Unable to install DarivoVA as Navigator viewer.", {IDOK}, "exclamation"},
        MessageCase{"CreateFolderNo", 110, MB_YESNO, IDNO,
                    "Can't create the folder you requested. Would you like to pick a new one?",
                    {IDYES, IDNO}, "exclamation"},
        MessageCase{"CreateFolderYes", 110, MB_YESNO, IDYES,
                    "Can't create the folder you requested. Would you like to pick a new one?",
                    {IDYES, IDNO}, "exclamation"},
        MessageCase{"SamePathNo", 111, MB_YESNO, IDNO,
                    "Source and target paths are the same. Pick another one?", {IDYES, IDNO},
                    "exclamation"},
        MessageCase{"MoveFailedYes", 112, MB_YESNO, IDYES, kText112, {IDYES, IDNO},
                    "exclamation"},
        MessageCase{"QuestionKept", 111, MB_YESNO | MB_ICONQUESTION, IDYES,
                    "Source and target paths are the same. Pick another one?", {IDYES, IDNO},
                    "question"},
        MessageCase{"RetryCancelGetsNoIcon", 105, MB_RETRYCANCEL, IDCANCEL,
                    "Unable to launch Ombrix. Please check that it is installed properly.",
                    {IDRETRY, IDCANCEL}, "none"}),
    CaseName());

TEST(ShowMessageOwner, ABoxShownWhileAWindowIsActiveBelongsToIt) {
    HWND window = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetActiveWindow(window);
    CRobot robot;
    robot.Press(IDOK).Start();
    ShowMessage(IDP_REGISTER_FAILED, MB_OK);
    const std::vector<CRobot::Seen> seen = robot.Finish();
    DestroyWindow(window);
    ASSERT_GE(seen.size(), 1u);
    const probe::Window* box = nullptr;
    for (const CRobot::Seen& s : seen) {
        if (s.window.className == "#32770") box = &s.window;
    }
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->owner, window);
}

}  // namespace
