#include "CaseName.h"
#include "DownloadFixture.h"

#include "platform/Handle.h"

#include <string>
#include <vector>

namespace dltest {
namespace {

using casename::operator<<;

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
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Download")),
              Outcome::KeptAndOpened);
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
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Download")),
              Outcome::KeptAndOpened);
    ExpectSeen(robot.Finish(), {});
    EXPECT_EQ(ReadBytes(Path("Download\\tools.zip")), kBytes);
    Launches(1);
}

struct UncreatableCase {
    const char* name;
    std::string folder;
};

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
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", GetParam().folder), Outcome::Declined);
    ExpectSeen(robot.Finish(), {kText110});
    EXPECT_EQ(LaunchDir(), "<none>");
    // Relocation leaves the temporary file to its caller.
    EXPECT_EQ(ReadBytes(m_source), kBytes);
    EXPECT_EQ(ReadBytes(Path("file.txt")), "text");
}

TEST_P(UncreatableFolderTest, CancellingThePickerReturns0AndKeepsTheSetting) {
    CRobot robot;
    robot.Press(IDYES).CancelPicker().Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", GetParam().folder), Outcome::Declined);
    ExpectSeen(robot.Finish(), {kText110, "picker"});
    EXPECT_EQ(LaunchDir(), "<none>");
    EXPECT_EQ(ReadBytes(m_source), kBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UncreatableFolderTest,
    ::testing::Values(UncreatableCase{"ParentMissing", Path("Missing\\Download")},
                      UncreatableCase{"NamesAFile", Path("file.txt")},
                      // A pattern names no one folder, though the search would
                      // find Download by it.
                      UncreatableCase{"Wildcard", Path("Down*")},
                      // Empty names no folder: not the current drive's root.
                      UncreatableCase{"Empty", ""}),
    CaseName());

struct FolderTextCase {
    const char* name;
    std::string folder;     // the download folder's text
    std::string fileName;   // the download's name
    std::string kept;       // where it ends: the utility's argument, unquoted
    std::string launchedIn; // the utility's working folder
};

class FolderTextTest : public RelocationTest, public ::testing::WithParamInterface<FolderTextCase> {
protected:
    void TearDown() override {
        DeleteFileA(GetParam().kept.c_str());
        RelocationTest::TearDown();
    }
};

// The folder its text names, however it is written; the target has exactly
// one separator, and the utility gets full paths.
TEST_P(FolderTextTest, DownloadGoesIntoTheFolderTheTextNames) {
    const FolderTextCase& c = GetParam();
    ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
    ASSERT_TRUE(SetCurrentDirectoryA(kRoot));
    CRobot robot;
    robot.Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, c.fileName, c.folder), Outcome::KeptAndOpened);
    ExpectSeen(robot.Finish(), {});
    EXPECT_EQ(ReadBytes(c.kept), kBytes);
    const std::vector<Launch> launches = Launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].argument, "\"" + c.kept + "\"");
    EXPECT_EQ(launches[0].folder, c.launchedIn);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderTextTest,
    ::testing::Values(
        FolderTextCase{"TrailingBackslash", Path("Download\\"), "tools.zip",
                       Path("Download\\tools.zip"), Path("Download")},
        FolderTextCase{"Relative", "Download", "tools.zip", Path("Download\\tools.zip"),
                       Path("Download")},
        FolderTextCase{"ForwardSlashes", "C:/DlTest/Download/", "tools.zip",
                       Path("Download\\tools.zip"), Path("Download")},
        FolderTextCase{"TrailingBlank", Path("Download "), "tools.zip",
                       Path("Download\\tools.zip"), Path("Download")},
        // The picker returns a drive's root with its separator.
        FolderTextCase{"DriveRoot", "C:\\", "dltest-root.zip", "C:\\dltest-root.zip", "C:\\"}),
    CaseName());

TEST_F(RelocationTest, PickedFolderIsSavedAndUsed) {
    ASSERT_TRUE(CreateDirectoryA(Path("Picked").c_str(), nullptr));
    CRobot robot;
    robot.Press(IDYES).PickFolder(Path("Picked")).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Missing\\Download")),
              Outcome::KeptAndOpened);
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
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Missing\\Download")),
              Outcome::SourceGone);
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
    EXPECT_EQ(m_app.RelocateDownload(m_inPlace, "TOOLS.ZIP", "c:\\dltest\\DOWNLOAD"),
              Outcome::InPlace);
    ExpectSeen(robot.Finish(), {kText111});
    EXPECT_EQ(ReadBytes(m_inPlace), kBytes);
    EXPECT_EQ(LaunchDir(), "<none>");
}

struct SpellingCase {
    const char* name;
    std::string folder;  // the download folder: the source's own, spelt otherwise
};

class SpellingTest : public SamePathTest, public ::testing::WithParamInterface<SpellingCase> {};

// Moving the file onto itself would leave nothing to keep: the question comes
// whatever the spelling, and No leaves the file where it is.
TEST_P(SpellingTest, SourceFolderUnderAnotherSpellingIsTheSamePath) {
    CRobot robot;
    robot.Press(IDNO).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_inPlace, "tools.zip", GetParam().folder), Outcome::InPlace);
    ExpectSeen(robot.Finish(), {kText111});
    EXPECT_EQ(ReadBytes(m_inPlace), kBytes);
}

std::string ShortForm(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, SpellingTest,
    ::testing::Values(SpellingCase{"DotStep", Path("Download\\.")},
                      SpellingCase{"DotDotSteps", "c:\\dltest\\temp\\..\\Download"},
                      SpellingCase{"ForwardSlashes", "C:/DlTest/Download"},
                      SpellingCase{"TrailingDot", Path("Download.")},
                      SpellingCase{"TrailingBlank", Path("Download ")}),
    CaseName());

// The temporary path in its 8.3 short form, as NT gives TEMP, against the long
// form that the picker returns.
TEST_F(SamePathTest, ShortFormOfTheSourceIsTheSamePath) {
    const std::string longFolder = Path("Downloaded Archives");
    ASSERT_TRUE(CreateDirectoryA(longFolder.c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(longFolder + "\\tools.zip", kBytes));
    const std::string shortSource = ShortForm(longFolder + "\\tools.zip");
    ASSERT_NE(shortSource, longFolder + "\\tools.zip");

    CRobot robot;
    robot.Press(IDNO).Start();
    EXPECT_EQ(m_app.RelocateDownload(shortSource, "tools.zip", longFolder), Outcome::InPlace);
    ExpectSeen(robot.Finish(), {kText111});
    EXPECT_EQ(ReadBytes(longFolder + "\\tools.zip"), kBytes);
}

TEST_F(SamePathTest, PickingTheSameFolderAsksAgain) {
    ASSERT_TRUE(CreateDirectoryA(Path("Other").c_str(), nullptr));
    CRobot robot;
    robot.Press(IDYES).PickFolder(Path("Download"))
         .Press(IDYES).PickFolder(Path("Other")).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_inPlace, "tools.zip", Path("Download")),
              Outcome::KeptAndOpened);
    ExpectSeen(robot.Finish(), {kText111, "picker", kText111, "picker"});

    EXPECT_EQ(LaunchDir(), Path("Other"));
    EXPECT_EQ(ReadBytes(Path("Other\\tools.zip")), kBytes);
    EXPECT_FALSE(Exists(m_inPlace));
    Launches(1);
}

TEST_F(SamePathTest, RefusingInALaterPassKeepsTheFolderPickedBefore) {
    CRobot robot;
    robot.Press(IDYES).PickFolder(Path("Download")).Press(IDNO).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_inPlace, "tools.zip", Path("Download")), Outcome::InPlace);
    ExpectSeen(robot.Finish(), {kText111, "picker", kText111});
    EXPECT_EQ(LaunchDir(), Path("Download"));
    EXPECT_EQ(ReadBytes(m_inPlace), kBytes);
}

struct MoveCase {
    const char* name;
    std::string source;  // relative to the root
    std::string folder;
    bool sourceHeldOpen;  // as the browser may hold it: without delete sharing
};

class MoveConfirmationTest : public RelocationTest,
                             public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveConfirmationTest, UnconfirmedMoveIsNotMovedWithoutAMessage) {
    const MoveCase& c = GetParam();
    ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(kOtherRoot, nullptr));
    CHandle held;
    if (c.sourceHeldOpen) {
        held = CHandle(CreateFileA(m_source.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                   nullptr));
        ASSERT_TRUE(held.IsValid());
    }
    CRobot robot;
    robot.Start();
    EXPECT_EQ(m_app.MoveToFolder(RecordHandedOver(Path(c.source)), "tools.zip", c.folder),
              Outcome::NotHandled);
    ExpectSeen(robot.Finish(), {});
    held = CHandle();
    EXPECT_TRUE(Launches(0).empty());
    EXPECT_EQ(ReadBytes(m_source), kBytes);
    // Nothing of the move is left in the folder, not even a part.
    EXPECT_TRUE(testfs::FolderNames(c.folder).empty());
}

// The shell reports success for a missing source and moves nothing; a
// missing target folder makes it fail; a source held open stays, and on
// another drive the copy made of it goes again.
INSTANTIATE_TEST_SUITE_P(
    Moves, MoveConfirmationTest,
    ::testing::Values(MoveCase{"SourceMissing", "Temp\\none.TMP", Path("Download"), false},
                      MoveCase{"TargetFolderMissing", "Temp\\M1.TMP", Path("Missing"), false},
                      MoveCase{"SourceHeldOpen", "Temp\\M1.TMP", Path("Download"), true},
                      MoveCase{"SourceHeldOpenOtherDrive", "Temp\\M1.TMP", kOtherRoot, true}),
    CaseName());

// A name taken by an earlier file or a folder: the download takes the first
// free name "stem (n).ext", and nothing earlier is replaced.
struct FreeNameCase {
    const char* name;
    std::string fileName;
    std::vector<std::string> takenFiles;    // in Download, before
    std::vector<std::string> takenFolders;  // in Download, before
    std::string kept;                       // in Download, after
};

class FreeNameTest : public RelocationTest, public ::testing::WithParamInterface<FreeNameCase> {};

TEST_P(FreeNameTest, EarlierEntriesStayAndTheDownloadTakesAFreeName) {
    const FreeNameCase& c = GetParam();
    ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
    for (const std::string& file : c.takenFiles) {
        ASSERT_TRUE(WriteBytes(Path("Download\\" + file), "earlier " + file));
    }
    for (const std::string& folder : c.takenFolders) {
        ASSERT_TRUE(CreateDirectoryA(Path("Download\\" + folder).c_str(), nullptr));
    }
    CRobot robot;
    robot.Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, c.fileName, Path("Download")),
              Outcome::KeptAndOpened);
    ExpectSeen(robot.Finish(), {});

    EXPECT_EQ(ReadBytes(Path("Download\\" + c.kept)), kBytes);
    for (const std::string& file : c.takenFiles) {
        EXPECT_EQ(ReadBytes(Path("Download\\" + file)), "earlier " + file);
    }
    for (const std::string& folder : c.takenFolders) {
        EXPECT_TRUE(testfs::IsFolder(Path("Download\\" + folder))) << folder;
    }
    const std::vector<Launch> launches = Launches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].argument, "\"" + Path("Download\\" + c.kept) + "\"");
}

INSTANTIATE_TEST_SUITE_P(
    Names, FreeNameTest,
    ::testing::Values(
        FreeNameCase{"TakenFile", "tools.zip", {"tools.zip"}, {}, "tools (2).zip"},
        FreeNameCase{"TakenInOtherCase", "tools.zip", {"TOOLS.ZIP"}, {}, "tools (2).zip"},
        FreeNameCase{"TakenTwice", "tools.zip", {"tools.zip", "tools (2).zip"}, {}, "tools (3).zip"},
        FreeNameCase{"TakenByAFolder", "tools.zip", {}, {"tools.zip"}, "tools (2).zip"},
        FreeNameCase{"LastDotSplits", "tools.tar.gz", {"tools.tar.gz"}, {}, "tools.tar (2).gz"},
        FreeNameCase{"WithoutADot", "README", {"README"}, {}, "README (2)"}),
    CaseName());

// A move that can't be made is a question (112), not a loss: Yes lets the user
// pick another folder, saved at once; No leaves the file to the caller.
struct FailedMoveCase {
    const char* name;
    std::string folder;
    std::string fileName;
    std::vector<std::string> takenFiles;  // in the folder, before
};

class FailedMoveTest : public RelocationTest, public ::testing::WithParamInterface<FailedMoveCase> {
protected:
    void SetUp() override {
        RelocationTest::SetUp();
        const FailedMoveCase& c = GetParam();
        ASSERT_TRUE(CreateDirectoryA(c.folder.c_str(), nullptr));
        for (const std::string& file : c.takenFiles) {
            ASSERT_TRUE(WriteBytes(c.folder + "\\" + file, "earlier"));
        }
    }
};

TEST_P(FailedMoveTest, NoLeavesTheFileAtItsSource) {
    CRobot robot;
    robot.Press(IDNO).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, GetParam().fileName, GetParam().folder),
              Outcome::Declined);
    ExpectSeen(robot.Finish(), {kText112});
    EXPECT_EQ(ReadBytes(m_source), kBytes);
    EXPECT_EQ(LaunchDir(), "<none>");
    EXPECT_TRUE(Launches(0).empty());
}

TEST_P(FailedMoveTest, YesThenAFolderPickedMovesItThere) {
    ASSERT_TRUE(CreateDirectoryA(Path("Picked").c_str(), nullptr));
    CRobot robot;
    robot.Press(IDYES).PickFolder(Path("Picked")).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, GetParam().fileName, GetParam().folder),
              Outcome::KeptAndOpened);
    ExpectSeen(robot.Finish(), {kText112, "picker"});
    EXPECT_EQ(ReadBytes(Path("Picked\\" + GetParam().fileName)), kBytes);
    EXPECT_FALSE(Exists(m_source));
    EXPECT_EQ(LaunchDir(), Path("Picked"));
    EXPECT_EQ(Launches(1).size(), 1u);
}

// A folder of 210 characters: MAX_PATH counts the terminator, so a target of
// 260 characters is one too many, and the shell is never handed it.
const std::string kLongFolder = Path(std::string(200, 'F'));

INSTANTIATE_TEST_SUITE_P(
    Moves, FailedMoveTest,
    ::testing::Values(
        FailedMoveCase{"Target260", kLongFolder, std::string(45, 'n') + ".zip", {}},
        FailedMoveCase{"Target271", kLongFolder, std::string(56, 'n') + ".zip", {}},
        // The name fits; the free name "... (2).zip" does not.
        FailedMoveCase{"FreeNameTooLong", kLongFolder, std::string(42, 'n') + ".zip",
                       {std::string(42, 'n') + ".zip"}}),
    CaseName());

TEST_F(RelocationTest, Target259IsTheLongestThatMoves) {
    ASSERT_TRUE(CreateDirectoryA(kLongFolder.c_str(), nullptr));
    const std::string name = std::string(44, 'n') + ".zip";
    const std::string target = kLongFolder + "\\" + name;
    ASSERT_EQ(target.size(), 259u);
    CRobot robot;
    robot.Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, name, kLongFolder), Outcome::KeptAndOpened);
    ExpectSeen(robot.Finish(), {});
    EXPECT_EQ(ReadBytes(target), kBytes);
    Launches(1);
}

TEST_F(RelocationTest, WildcardInTheFolderNeverOverwritesAMatchingFile) {
    // The file search takes "Down*" as the existing folder Download; the shell
    // would take the target as a pattern and replace the matching old.zip.
    ASSERT_TRUE(CreateDirectoryA(Path("Download").c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(Path("Download\\old.zip"), "older download"));

    CRobot robot;
    robot.Press(IDNO).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "*.zip", Path("Down*")), Outcome::Declined);
    ExpectSeen(robot.Finish(), {kText110});
    EXPECT_EQ(ReadBytes(Path("Download\\old.zip")), "older download");
    EXPECT_EQ(ReadBytes(m_source), kBytes);
}

TEST_F(RelocationTest, FailedLaunchAfterTheMoveKeepsTheMovedFile) {
    testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
    CRobot robot;
    robot.Press(IDOK).Start();
    EXPECT_EQ(m_app.RelocateDownload(m_source, "tools.zip", Path("Download")),
              Outcome::KeptNotOpened);
    ExpectSeen(robot.Finish(), {kText105});
    EXPECT_EQ(ReadBytes(Path("Download\\tools.zip")), kBytes);
    EXPECT_FALSE(Exists(m_source));
}

}  // namespace
}  // namespace dltest
