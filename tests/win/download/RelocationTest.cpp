#include "DownloadFixture.h"

#include <ostream>
#include <string>
#include <vector>

namespace dltest {
namespace {

class RelocationTest : public CDownloadTest {
protected:
    void SetUp() override {
        CDownloadTest::SetUp();
        InstallArchiver();
        ASSERT_TRUE(CreateDirectoryA(Path("Temp").c_str(), nullptr));
        ASSERT_TRUE(WriteBytes(m_source, kBytes));
    }

    const std::string m_source = Path("Temp\\M1.TMP");
};

TEST_F(RelocationTest, MissingFolderIsCreatedWithoutAQuestion) {
    CRobot robot;
    robot.Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Download")), 1);
    ExpectSeen(robot.Finish(), {});

    EXPECT_EQ(ReadBytes(Path("Download\\tools.zip")), kBytes);
    EXPECT_FALSE(Exists(m_source));
    const std::vector<Launch> launches = Launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].argument, "\"C:\\DlTest\\Download\\tools.zip\"");
    EXPECT_EQ(launches[0].folder, Path("Download"));
    // No question, so the setting stays as it was.
    EXPECT_EQ(LaunchDir(), "<none>");
}

TEST_F(RelocationTest, ExistingFolderWithOtherAttributesIsUsed) {
    ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
    SetFileAttributesA(Path("Download").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CRobot robot;
    robot.Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Download")), 1);
    ExpectSeen(robot.Finish(), {});
    EXPECT_EQ(ReadBytes(Path("Download\\tools.zip")), kBytes);
    Launches(1);
}

struct UncreatableCase {
    const char* name;
    std::string folder;
};

// Test names show the case name, not the bytes.
void PrintTo(const UncreatableCase& c, std::ostream* os) { *os << c.name; }

class UncreatableFolderTest : public RelocationTest,
                              public ::testing::WithParamInterface<UncreatableCase> {
protected:
    void SetUp() override {
        RelocationTest::SetUp();
        ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
        ASSERT_TRUE(WriteBytes(Path("file.txt"), "text"));
    }
};

TEST_P(UncreatableFolderTest, DecliningTheQuestionReturns0AndKeepsTheSetting) {
    CRobot robot;
    robot.Press(IDNO).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", GetParam().folder), 0);
    ExpectSeen(robot.Finish(), {kText110});
    EXPECT_EQ(LaunchDir(), "<none>");
    // Relocation leaves the temporary file to its caller.
    EXPECT_EQ(ReadBytes(m_source), kBytes);
    EXPECT_EQ(ReadBytes(Path("file.txt")), "text");
}

TEST_P(UncreatableFolderTest, CancellingThePickerReturns0AndKeepsTheSetting) {
    CRobot robot;
    robot.Press(IDYES).CancelPicker().Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", GetParam().folder), 0);
    ExpectSeen(robot.Finish(), {kText110, "picker"});
    EXPECT_EQ(LaunchDir(), "<none>");
    EXPECT_EQ(ReadBytes(m_source), kBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UncreatableFolderTest,
    ::testing::Values(UncreatableCase{"ParentMissing", Path("Missing\\Download")},
                      UncreatableCase{"NamesAFile", Path("file.txt")},
                      UncreatableCase{"TrailingBackslash", Path("Download\\")},
                      UncreatableCase{"DriveRoot", "C:\\"}),
    [](const ::testing::TestParamInfo<UncreatableCase>& info) {
        return std::string(info.param.name);
    });

TEST_F(RelocationTest, PickedFolderIsSavedAndUsed) {
    ASSERT_TRUE(CreateDirectoryA(Path("Picked").c_str(), nullptr));
    CRobot robot;
    robot.Press(IDYES).PickFolder(Path("Picked")).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Missing\\Download")), 1);
    ExpectSeen(robot.Finish(), {kText110, "picker"});

    EXPECT_EQ(LaunchDir(), Path("Picked"));
    EXPECT_EQ(ReadBytes(Path("Picked\\tools.zip")), kBytes);
    const std::vector<Launch> launches = Launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].folder, Path("Picked"));
}

TEST_F(RelocationTest, PickedFolderIsSavedEvenWhenTheMoveFails) {
    ASSERT_TRUE(CreateDirectoryA(Path("Picked").c_str(), nullptr));
    ASSERT_TRUE(DeleteFileA(m_source.c_str()));
    CRobot robot;
    robot.Press(IDYES).PickFolder(Path("Picked")).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Missing\\Download")), 0);
    ExpectSeen(robot.Finish(), {kText110, "picker"});
    EXPECT_EQ(LaunchDir(), Path("Picked"));
    EXPECT_TRUE(Launches(0).empty());
}

class SamePathTest : public RelocationTest {
protected:
    void SetUp() override {
        RelocationTest::SetUp();
        ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
        ASSERT_TRUE(WriteBytes(m_inPlace, kBytes));
    }
    const std::string m_inPlace = Path("Download\\tools.zip");
};

TEST_F(SamePathTest, CaseOnlyDifferenceIsTheSamePath) {
    CRobot robot;
    robot.Press(IDNO).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_inPlace, "TOOLS.ZIP", "c:\\dltest\\DOWNLOAD"), 0);
    ExpectSeen(robot.Finish(), {kText111});
    EXPECT_EQ(ReadBytes(m_inPlace), kBytes);
    EXPECT_EQ(LaunchDir(), "<none>");
}

TEST_F(SamePathTest, PickingTheSameFolderAsksAgain) {
    ASSERT_TRUE(CreateDirectoryA(Path("Other").c_str(), nullptr));
    CRobot robot;
    robot.Press(IDYES).PickFolder(Path("Download"))
         .Press(IDYES).PickFolder(Path("Other")).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_inPlace, "tools.zip", Path("Download")), 1);
    ExpectSeen(robot.Finish(), {kText111, "picker", kText111, "picker"});

    EXPECT_EQ(LaunchDir(), Path("Other"));
    EXPECT_EQ(ReadBytes(Path("Other\\tools.zip")), kBytes);
    EXPECT_FALSE(Exists(m_inPlace));
    Launches(1);
}

TEST_F(SamePathTest, RefusingInALaterPassKeepsTheFolderPickedBefore) {
    CRobot robot;
    robot.Press(IDYES).PickFolder(Path("Download")).Press(IDNO).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_inPlace, "tools.zip", Path("Download")), 0);
    ExpectSeen(robot.Finish(), {kText111, "picker", kText111});
    EXPECT_EQ(LaunchDir(), Path("Download"));
    EXPECT_EQ(ReadBytes(m_inPlace), kBytes);
}

struct MoveCase {
    const char* name;
    std::string source;  // relative to the root
    std::string target;
};

// Test names show the case name, not the bytes.
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class MoveConfirmationTest : public RelocationTest,
                             public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveConfirmationTest, UnconfirmedMoveReturns0WithoutAMessage) {
    ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
    CRobot robot;
    robot.Start();
    EXPECT_EQ(m_app.MoveToFolder(Path(GetParam().source), Path(GetParam().target), Path("Download")),
              0);
    ExpectSeen(robot.Finish(), {});
    EXPECT_TRUE(Launches(0).empty());
}

// The shell reports success for a missing source and moves nothing; a
// missing target folder makes it fail.
INSTANTIATE_TEST_SUITE_P(
    Moves, MoveConfirmationTest,
    ::testing::Values(MoveCase{"SourceMissing", "Temp\\none.TMP", "Download\\tools.zip"},
                      MoveCase{"TargetFolderMissing", "Temp\\M1.TMP", "Missing\\tools.zip"}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST_F(RelocationTest, TargetLongerThanTheShellListIsNotMoved) {
    // The folder fits the platform; with the name the target does not.
    const std::string folder = Path(std::string(200, 'F'));
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string name = std::string(56, 'n') + ".zip";
    ASSERT_EQ((folder + "\\" + name).size(), 271u);

    CRobot robot;
    robot.Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, name, folder), 0);
    ExpectSeen(robot.Finish(), {});
    EXPECT_EQ(ReadBytes(m_source), kBytes);
    EXPECT_FALSE(Exists(folder + "\\" + name));
    EXPECT_TRUE(Launches(0).empty());
}

TEST_F(RelocationTest, WildcardInTheFolderNeverOverwritesAMatchingFile) {
    // The file search takes "Down*" as the existing folder Download; the shell
    // would take the target as a pattern and replace the matching old.zip.
    ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(Path("Download\\old.zip"), "older download"));

    CRobot robot;
    robot.Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "*.zip", Path("Down*")), 0);
    ExpectSeen(robot.Finish(), {});
    EXPECT_EQ(ReadBytes(Path("Download\\old.zip")), "older download");
    EXPECT_EQ(ReadBytes(m_source), kBytes);
}

TEST_F(RelocationTest, FailedLaunchAfterTheMoveKeepsTheMovedFile) {
    testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
    CRobot robot;
    robot.Press(IDOK).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Download")), 0);
    ExpectSeen(robot.Finish(), {kText105});
    EXPECT_EQ(ReadBytes(Path("Download\\tools.zip")), kBytes);
    EXPECT_FALSE(Exists(m_source));
}

}  // namespace
}  // namespace dltest
