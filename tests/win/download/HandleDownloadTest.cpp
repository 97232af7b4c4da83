#include "CaseName.h"
#include "DownloadFixture.h"

#include <string>
#include <vector>

namespace dltest {
namespace {

using casename::operator<<;

class HandleDownloadTest : public CDownloadTest {
protected:
    void SetUp() override {
        CDownloadTest::SetUp();
        InstallArchiver();
        ASSERT_TRUE(CreateDirectoryA(Path("Temp").c_str(), nullptr));
        ASSERT_TRUE(WriteBytes(m_temporary, kBytes));
        m_app.m_strCommandLine = m_temporary;
    }

    // Handling moved the download to Download\name and started the utility on it.
    void ExpectKeptAs(const std::string& name) {
        EXPECT_EQ(ReadBytes(Path("Download\\" + name)), kBytes);
        EXPECT_FALSE(Exists(m_temporary));
        const std::vector<Launch> launches = Launches(1);
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_EQ(launches[0].argument, "\"" + Path("Download\\" + name) + "\"");
        EXPECT_EQ(launches[0].folder, Path("Download"));
    }

    const std::string m_temporary = Path("Temp\\M1.TMP");
};

struct UrlCase {
    const char* name;
    DWORD type;
    std::string value;  // raw bytes, terminator included
    std::string kept;   // the name in the download folder
};

UrlCase Url(const char* name, const std::string& url, const std::string& kept) {
    return {name, REG_SZ, url + '\0', kept};
}

class DownloadNameTest : public HandleDownloadTest, public ::testing::WithParamInterface<UrlCase> {};

TEST_P(DownloadNameTest, KeptUnderTheNameFromItsUrl) {
    const UrlCase& c = GetParam();
    ASSERT_TRUE(testreg::SetValue(HKEY_CURRENT_USER, kUrlTable, m_temporary, c.type, c.value));
    CRobot robot;
    robot.Start();
    m_app.HandleDownload(Path("Download"));
    ExpectSeen(robot.Finish(), {});
    ExpectKeptAs(c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Urls, DownloadNameTest,
    ::testing::Values(
        Url("Slashes", "http://host/pub/tools.zip", "tools.zip"),
        Url("Backslashes", "C:\\archives\\tools.zip", "tools.zip"),
        Url("NoSeparator", "tools.zip", "tools.zip"),
        Url("EndsWithSlash", "http://host/pub/", "M1.TMP"),
        Url("Empty", "", "M1.TMP"),
        UrlCase{"ExpandString", REG_EXPAND_SZ, std::string("http://host/tools.zip") + '\0',
                "M1.TMP"},
        Url("Longest", "http://host/" + std::string(238, 'p') + "/long.zip", "long.zip"),
        Url("TooLong", "http://host/" + std::string(239, 'p') + "/long.zip", "M1.TMP"),
        // The name is made safe before it is used.
        Url("Query", "http://host/get.cgi?f=a.zip", "get.cgi_f=a.zip"),
        Url("Device", "http://host/con.zip", "_con.zip"),
        Url("Stream", "http://host/a.zip:evil", "a.zip_evil"),
        Url("DotDot", "http://host/pub/..", "M1.TMP")),
    CaseName());

TEST_F(HandleDownloadTest, WithoutTheUrlTableTheTemporaryNameIsUsed) {
    m_app.HandleDownload(Path("Download"));
    ExpectKeptAs("M1.TMP");
}

struct ArgumentCase {
    const char* name;
    std::string folder;       // of the temporary file, relative to the root
    std::string commandLine;  // "<cwd>" runs it from that folder
};

class ArgumentTest : public HandleDownloadTest, public ::testing::WithParamInterface<ArgumentCase> {};

TEST_P(ArgumentTest, FullPathIsUsedForLookupMoveAndLaunch) {
    const ArgumentCase& c = GetParam();
    const std::string temporary = Path(c.folder + "\\M2.TMP");
    CreateDirectoryA(Path(c.folder).c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(temporary, kBytes));
    SetUrl(temporary, "http://host/pub/tools.zip");
    ASSERT_TRUE(SetCurrentDirectoryA(Path(c.folder).c_str()));
    m_app.m_strCommandLine = c.commandLine;

    CRobot robot;
    robot.Start();
    m_app.HandleDownload(Path("Download"));
    ExpectSeen(robot.Finish(), {});
    EXPECT_EQ(ReadBytes(Path("Download\\tools.zip")), kBytes);
    EXPECT_FALSE(Exists(temporary));
    EXPECT_EQ(Launches(1).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ArgumentTest,
    ::testing::Values(ArgumentCase{"Relative", "Temp", "M2.TMP"},
                      ArgumentCase{"RelativeWithDot", "Temp", ".\\M2.TMP"},
                      ArgumentCase{"Quoted", "Temp Files", "\"C:\\DlTest\\Temp Files\\M2.TMP\""},
                      ArgumentCase{"QuotedRelative", "Temp Files", "\"M2.TMP\""}),
    CaseName());

// After No or Cancel only the browser's own temporary file goes, as the
// browser would delete it; a file it did not record, such as a user's own
// file dropped on the program, stays.
struct DeclineCase {
    const char* name;
    bool recordedByTheBrowser;
    bool cancelPicker;  // else No to 110
    bool deleted;
};

class DeclineTest : public HandleDownloadTest, public ::testing::WithParamInterface<DeclineCase> {};

TEST_P(DeclineTest, OnlyTheBrowsersTemporaryFileIsDeleted) {
    const DeclineCase& c = GetParam();
    if (c.recordedByTheBrowser) SetUrl(m_temporary, "http://host/pub/tools.zip");
    CRobot robot;
    if (c.cancelPicker) {
        robot.Press(IDYES).CancelPicker();
    } else {
        robot.Press(IDNO);
    }
    robot.Start();
    m_app.HandleDownload(Path("Missing\\Download"));
    ExpectSeen(robot.Finish(), c.cancelPicker ? std::vector<std::string>{kText110, "picker"}
                                              : std::vector<std::string>{kText110});
    EXPECT_EQ(Exists(m_temporary), !c.deleted);
    EXPECT_EQ(LaunchDir(), "<none>");
}

INSTANTIATE_TEST_SUITE_P(
    Declines, DeclineTest,
    ::testing::Values(DeclineCase{"BrowsersFileNo", true, false, true},
                      DeclineCase{"BrowsersFilePickerCancelled", true, true, true},
                      DeclineCase{"UsersOwnFileNo", false, false, false}),
    CaseName());

TEST_F(HandleDownloadTest, FailedLaunchKeepsTheMovedFile) {
    testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
    SetUrl(m_temporary, "http://host/pub/tools.zip");
    CRobot robot;
    robot.Press(IDOK).Start();
    m_app.HandleDownload(Path("Download"));
    ExpectSeen(robot.Finish(), {kText105});
    EXPECT_EQ(ReadBytes(Path("Download\\tools.zip")), kBytes);
    EXPECT_FALSE(Exists(m_temporary));
}

// The download already lies at its target in the download folder: refusing
// to pick another folder keeps it there.
struct InPlaceCase {
    const char* name;
    std::string folder;  // the download folder at start-up
    bool cancelPicker;   // else answer No to 111
    std::string pickFirst;  // a folder picked after 110, or empty
};

class InPlaceTest : public HandleDownloadTest, public ::testing::WithParamInterface<InPlaceCase> {};

TEST_P(InPlaceTest, DownloadAtItsTargetIsKept) {
    const InPlaceCase& c = GetParam();
    const std::string inPlace = Path("Download\\tools.zip");
    ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(inPlace, kBytes));
    SetUrl(inPlace, "http://host/pub/tools.zip");
    m_app.m_strCommandLine = inPlace;

    CRobot robot;
    std::vector<std::string> expected;
    if (!c.pickFirst.empty()) {
        robot.Press(IDYES).PickFolder(c.pickFirst);
        expected = {kText110, "picker"};
    }
    expected.push_back(kText111);
    if (c.cancelPicker) {
        robot.Press(IDYES).CancelPicker();
        expected.push_back("picker");
    } else {
        robot.Press(IDNO);
    }
    robot.Start();
    m_app.HandleDownload(c.folder);
    ExpectSeen(robot.Finish(), expected);
    EXPECT_EQ(ReadBytes(inPlace), kBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, InPlaceTest,
    ::testing::Values(InPlaceCase{"No", Path("Download"), false, ""},
                      InPlaceCase{"OtherCaseNo", "c:\\dltest\\download", false, ""},
                      InPlaceCase{"PickerCancelled", Path("Download"), true, ""},
                      InPlaceCase{"PickedAfter110ThenNo", Path("Missing\\Download"), false,
                                  Path("Download")}),
    CaseName());

struct UntouchedCase {
    const char* name;
    std::string commandLine;
};

class UntouchedTest : public HandleDownloadTest, public ::testing::WithParamInterface<UntouchedCase> {};

TEST_P(UntouchedTest, HandlingStopsWithoutTouchingAnyFile) {
    ASSERT_TRUE(SetCurrentDirectoryA(Path("Temp").c_str()));
    m_app.m_strCommandLine = GetParam().commandLine;
    CRobot robot;
    robot.Start();
    m_app.HandleDownload(Path("Download"));
    ExpectSeen(robot.Finish(), {});
    EXPECT_EQ(ReadBytes(m_temporary), kBytes);
    // Not even the download folder was created.
    EXPECT_FALSE(Exists(Path("Download")));
    EXPECT_TRUE(Launches(0).empty());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, UntouchedTest,
    ::testing::Values(
        // The full path would need more than 260 characters.
        UntouchedCase{"FullPathTooLong", std::string(250, 'a') + ".zip"},
        // A pattern names no one file; the shell would move every match.
        UntouchedCase{"Wildcard", "C:\\DlTest\\Temp\\*.TMP"},
        UntouchedCase{"QuestionMark", "C:\\DlTest\\Temp\\M?.TMP"},
        // A folder is no download, with or without its closing separator.
        UntouchedCase{"Folder", "C:\\DlTest\\Temp\\"},
        UntouchedCase{"FolderWithoutSeparator", "C:\\DlTest\\Temp"},
        // Gone before the hand-over: nothing to keep, nothing to ask.
        UntouchedCase{"FileGone", "C:\\DlTest\\Temp\\gone.TMP"}),
    CaseName());

}  // namespace
}  // namespace dltest
