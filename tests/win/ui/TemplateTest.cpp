// The compiled dialog templates, item by item, as the program must show them.
#include "ui/resource.h"

#include "CaseName.h"
#include "DialogTemplate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using casename::operator<<;

// Styles every template control gets from the resource compiler.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

struct ExpectedItem {
    int id;
    const char* className;
    DWORD style;
    short x, y, cx, cy;
    std::string text;
};

struct ExpectedTemplate {
    const char* name;
    UINT templateId;
    bool extended;
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    const char* caption;
    std::vector<ExpectedItem> items;
};

class DialogTemplateTest : public ::testing::TestWithParam<ExpectedTemplate> {};

TEST_P(DialogTemplateTest, MatchesItsLayout) {
    const ExpectedTemplate& expected = GetParam();
    dlgres::Template t;
    ASSERT_TRUE(dlgres::Read(GetModuleHandleA(nullptr), expected.templateId, t));

    EXPECT_EQ(t.extended, expected.extended);
    EXPECT_EQ(t.style, expected.style);
    EXPECT_EQ(t.exStyle, expected.exStyle);
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.cx, expected.cx);
    EXPECT_EQ(t.cy, expected.cy);
    EXPECT_EQ(t.caption, expected.caption);
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.face, "MS Sans Serif");

    ASSERT_EQ(t.items.size(), expected.items.size());
    for (std::size_t i = 0; i < expected.items.size(); ++i) {
        const dlgres::Item& item = t.items[i];
        const ExpectedItem& want = expected.items[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        EXPECT_EQ(static_cast<int>(static_cast<short>(item.id)), want.id);
        EXPECT_STRCASEEQ(item.className.c_str(), want.className);
        EXPECT_EQ(item.style, kChild | want.style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_EQ(item.text, want.text);
    }
}

constexpr DWORD kRule = SS_BLACKRECT | SS_SUNKEN;
constexpr DWORD kText = SS_LEFT | WS_GROUP;

INSTANTIATE_TEST_SUITE_P(
    Program, DialogTemplateTest,
    ::testing::Values(
        ExpectedTemplate{
            "Setup", IDD_SETUP, true,
            WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
            WS_EX_APPWINDOW, 212, 201, "Ombrix Netscape Helper - Beta 1",
            {
                {-1, "Static", kText, 49, 5, 156, 30,
                 "Welcome to the Ombrix\u00ae Netscape Helper!\nThis program makes it easier to "
                 "work with archives downloaded from the Internet."},
                {-1, "Static", kRule, 7, 35, 198, 1, ""},
                {-1, "Static", kText, 7, 40, 198, 8, "The Problem:"},
                {-1, "Static", kText, 14, 48, 191, 32,
                 "If you use a utility such as Ombrix as a Netscape helper app to view archives, "
                 "Netscape treats the archives you download as temporary files and will "
                 "automatically delete them WITHOUT WARNING when you close Netscape."},
                {-1, "Static", kText, 7, 85, 198, 8,
                 "The Solution? Use the Ombrix Netscape Helper:"},
                {-1, "Static", kText, 14, 93, 191, 27,
                 "Before opening archives, the helper will automatically move archives you "
                 "download to a specified folder so they won't be deleted when you close "
                 "Navigator."},
                {-1, "Static", kRule, 7, 122, 198, 1, ""},
                {-1, "Static", kText, 7, 128, 198, 8, "Folder for downloaded archives:"},
                {IDC_FOLDER, "Edit", WS_BORDER | ES_READONLY | ES_AUTOHSCROLL, 7, 138, 143, 14,
                 ""},
                {IDC_BROWSE, "Button", BS_PUSHBUTTON | WS_TABSTOP, 155, 138, 50, 14, "&Browse..."},
                {-1, "Static", kRule, 7, 158, 198, 1, ""},
                {IDOK, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 82, 180, 50, 14, "&Yes"},
                {IDCANCEL, "Button", BS_PUSHBUTTON | WS_TABSTOP, 155, 180, 50, 14, "&No"},
                {-1, "Static", kText, 7, 164, 198, 8,
                 "Register the Ombrix Netscape Helper with Netscape?"},
                {-1, "Static", SS_ICON, 7, 7, 21, 20, "#128"},
            }},
        ExpectedTemplate{
            "About", IDD_ABOUTBOX, false,
            WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 217, 55,
            "About DarivoVA",
            {
                {-1, "Static", SS_ICON, 11, 17, 18, 20, "#128"},
                {-1, "Static", SS_CENTER | SS_NOPREFIX, 35, 13, 140, 8,
                 "Ombrix Navigator Helper Version 0.71"},
                {IDOK, "Button", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 178, 7, 32, 14, "OK"},
            }}),
    CaseName());

}  // namespace
