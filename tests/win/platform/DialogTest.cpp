// The modal dialog machinery: results, data exchange, owner and placement.
#include "platform/Dialog.h"
#include "ui/resource.h"

#include "CaseName.h"
#include "Robot.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using casename::operator<<;

// A dialog on a program template whose data exchange can be told to fail.
class CExchangeDialog : public CDialog {
public:
    CExchangeDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

    bool m_toControlsWorks = true;
    bool m_toMembersWorks = true;
    int m_toMembersCount = 0;

protected:
    bool DoDataExchange(bool toMembers) override {
        if (!toMembers) return m_toControlsWorks;
        ++m_toMembersCount;
        return m_toMembersWorks;
    }
};

RECT WorkArea() {
    RECT area = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// Where a window of this size lands when centred over `over` and then kept
// inside the work area.
POINT CentredOver(const RECT& over, const RECT& window) {
    const RECT area = WorkArea();
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    POINT at = {(over.left + over.right) / 2 - width / 2, (over.top + over.bottom) / 2 - height / 2};
    if (at.x < area.left) at.x = area.left;
    else if (at.x + width > area.right) at.x = area.right - width;
    if (at.y < area.top) at.y = area.top;
    else if (at.y + height > area.bottom) at.y = area.bottom - height;
    return at;
}

// A visible top-level window of the test that a dialog can belong to.
class CTestOwner : public CWnd {
public:
    CTestOwner() {
        m_hWnd = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 200,
                                 150, 420, 320, nullptr, nullptr, GetModuleHandleA(nullptr),
                                 nullptr);
        SetForegroundWindow(m_hWnd);
        SetActiveWindow(m_hWnd);
    }
    ~CTestOwner() override { DestroyWindow(m_hWnd); }
};

TEST(DialogTest, MissingTemplateGivesMinusOne) {
    CExchangeDialog dialog(999, nullptr);
    EXPECT_EQ(dialog.DoModal(), -1);
}

// The platform answers an unusable owner with 0, which no command gives.
TEST(DialogTest, StaleParentGivesMinusOne) {
    CWnd parent;
    parent.m_hWnd = CreateWindowExA(0, "STATIC", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    DestroyWindow(parent.m_hWnd);
    CExchangeDialog dialog(IDD_ABOUTBOX, &parent);
    CRobot robot;
    robot.Start();
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(robot.Finish().empty());
}

TEST(DialogTest, FailedExchangeAtInitialisationGivesMinusOne) {
    CExchangeDialog dialog(IDD_ABOUTBOX, nullptr);
    dialog.m_toControlsWorks = false;
    CRobot robot;
    robot.Start();
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(robot.Finish().empty());
}

TEST(DialogTest, OkEndsOnlyAfterASuccessfulExchange) {
    CExchangeDialog dialog(IDD_ABOUTBOX, nullptr);
    dialog.m_toMembersWorks = false;
    bool upAfterOk = false;
    CRobot robot;
    robot.Do([&](HWND window) {
        probe::Press(window, IDOK);
        Sleep(200);
        upAfterOk = IsWindowVisible(window) != FALSE;
        probe::Key(window, VK_ESCAPE);
    });
    robot.Start();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    robot.Finish();
    EXPECT_TRUE(upAfterOk);
    EXPECT_EQ(dialog.m_toMembersCount, 1);
}

enum class Owner { None, Parent, ActiveWindow };

struct PlacementCase {
    const char* name;
    UINT templateId;
    Owner owner;
    bool centred;
};

class DialogPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(DialogPlacementTest, CentresOnlyAHiddenTemplateAtTheOrigin) {
    const PlacementCase& c = GetParam();
    std::unique_ptr<CTestOwner> owner;
    if (c.owner != Owner::None) owner = std::make_unique<CTestOwner>();
    RECT ownerRect = WorkArea();
    if (owner) GetWindowRect(owner->m_hWnd, &ownerRect);

    CExchangeDialog dialog(c.templateId, c.owner == Owner::Parent ? owner.get() : nullptr);
    bool ownerDisabled = false;
    CRobot robot;
    robot.Do([&](HWND window) {
        if (owner) ownerDisabled = !IsWindowEnabled(owner->m_hWnd);
        probe::Key(window, VK_ESCAPE);
    });
    robot.Start();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const std::vector<CRobot::Seen> seen = robot.Finish();

    ASSERT_EQ(seen.size(), 1u);
    const probe::Window& shown = seen[0].window;
    const POINT expected = c.centred ? CentredOver(ownerRect, shown.rect) : POINT{0, 0};
    EXPECT_EQ(shown.rect.left, expected.x);
    EXPECT_EQ(shown.rect.top, expected.y);
    if (owner) {
        EXPECT_EQ(shown.owner, owner->m_hWnd);
        EXPECT_TRUE(ownerDisabled);
        EXPECT_TRUE(IsWindowEnabled(owner->m_hWnd));
    } else {
        EXPECT_EQ(shown.owner, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Templates, DialogPlacementTest,
    ::testing::Values(
        // Hidden at creation, at 0,0 without a centring style: centred.
        PlacementCase{"HiddenWithoutOwner", IDD_ABOUTBOX, Owner::None, true},
        PlacementCase{"HiddenOverItsParent", IDD_ABOUTBOX, Owner::Parent, true},
        PlacementCase{"HiddenOverTheActiveWindow", IDD_ABOUTBOX, Owner::ActiveWindow, true},
        // Visible from creation: left where its template puts it.
        PlacementCase{"VisibleWithoutOwner", IDD_SETUP, Owner::None, false}),
    CaseName());

}  // namespace
