#include "CaseName.h"
#include "DownloadFixture.h"

#include "download/LaunchArchiver.h"

#include <string>
#include <vector>

namespace dltest {
namespace {

using casename::operator<<;

struct CommandCase {
    const char* name;
    std::string command;  // empty: no registration
    std::string path;
};

class ArchiverPathTest : public CDownloadTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(ArchiverPathTest, FromTheRegisteredOpenCommand) {
    const CommandCase& c = GetParam();
    if (!c.command.empty()) {
        ASSERT_TRUE(testreg::SetString(HKEY_CLASSES_ROOT, kArchiverKey, "", c.command));
    }
    EXPECT_EQ(GetArchiverPath(), c.path);
}

// 3 + 307 + 13 characters: the longest command the 324-byte read takes, with
// the marker at its very end.
const std::string kLongFolder = "C:\\" + std::string(307, 'L');

INSTANTIATE_TEST_SUITE_P(
    Commands, ArchiverPathTest,
    ::testing::Values(
        CommandCase{"UpperCase", "C:\\OMBRIX\\OMBRIX32.EXE %1", "c:\\ombrix\\ombrix32.exe"},
        CommandCase{"Quoted", "\"C:\\Program Files\\Ombrix\\ombrix32.exe\" \"%1\"",
                    "\"c:\\program files\\ombrix\\ombrix32.exe"},
        CommandCase{"NoBackslash", "ombrix32.exe %1", ""},
        CommandCase{"OtherProgram", "C:\\Ombrix\\Ombrix.exe %1", ""},
        CommandCase{"MarkerTwice", "C:\\A\\Ombrix32.exe /x C:\\B\\OMBRIX32.EXE",
                    "c:\\a\\ombrix32.exe"},
        CommandCase{"Length323", kLongFolder + "\\OMBRIX32.EXE",
                    "c:\\" + std::string(307, 'l') + "\\ombrix32.exe"},
        CommandCase{"Length324", kLongFolder + "L\\OMBRIX32.EXE", ""},
        CommandCase{"NotRegistered", "", ""}),
    CaseName());

struct LaunchCase {
    const char* name;
    std::string exePath;
    std::string command;
};

class LaunchArchiverTest : public CDownloadTest, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(LaunchArchiverTest, StartsTheUtilityOnTheQuotedFileInTheFolder) {
    const LaunchCase& c = GetParam();
    InstallArchiver(c.exePath, c.command);
    ASSERT_TRUE(CreateDirectoryA(Path("My Downloads").c_str(), nullptr));
    const std::string file = Path("My Downloads\\a b.zip");
    ASSERT_TRUE(WriteBytes(file, kBytes));

    CRobot robot;
    robot.Start();
    EXPECT_TRUE(m_app.LaunchArchiver(file, Path("My Downloads")));
    ExpectSeen(robot.Finish(), {});

    const std::vector<Launch> launches = Launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].argument, "\"C:\\DlTest\\My Downloads\\a b.zip\"");
    EXPECT_EQ(launches[0].folder, Path("My Downloads"));
}

// A utility installed under a folder with blanks is registered in quotes; the
// opening quote that the path keeps must not stop the launch.
INSTANTIATE_TEST_SUITE_P(
    Registrations, LaunchArchiverTest,
    ::testing::Values(
        LaunchCase{"Unquoted", Path("Ombrix\\ombrix32.exe"), Path("OMBRIX\\OMBRIX32.EXE") + " %1"},
        LaunchCase{"QuotedWithBlanks", Path("Program Files\\Ombrix\\ombrix32.exe"),
                   "\"" + Path("Program Files\\Ombrix\\OMBRIX32.EXE") + "\" \"%1\""}),
    CaseName());

class LaunchFailureTest : public CDownloadTest, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(LaunchFailureTest, Shows105AndReturns0) {
    const LaunchCase& c = GetParam();
    if (!c.exePath.empty()) InstallArchiver(c.exePath, c.command);
    if (c.exePath.empty() && !c.command.empty()) {
        ASSERT_TRUE(testreg::SetString(HKEY_CLASSES_ROOT, kArchiverKey, "", c.command));
    }
    const std::string file = Path("a.zip");
    ASSERT_TRUE(WriteBytes(file, kBytes));

    CRobot robot;
    robot.Press(IDOK).Start();
    EXPECT_FALSE(m_app.LaunchArchiver(file, kRoot));
    ExpectSeen(robot.Finish(), {kText105});
    EXPECT_TRUE(Launches(0).empty());
    // The launch never touches the file.
    EXPECT_EQ(ReadBytes(file), kBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, LaunchFailureTest,
    ::testing::Values(
        LaunchCase{"NotRegistered", "", ""},
        LaunchCase{"NoMarker", "", "ombrix32.exe %1"},
        LaunchCase{"ExecutableMissing", "", Path("Nowhere\\ombrix32.exe") + " %1"},
        LaunchCase{"TooLong", "", "C:\\" + std::string(308, 'L') + "\\OMBRIX32.EXE"}),
    CaseName());

}  // namespace
}  // namespace dltest
