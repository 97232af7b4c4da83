// Every way out of the download road, end to end. The real DARIVOVA.EXE is
// handed a temporary file as Navigator hands one over (the file's path on the
// command line, its URL in Navigator's table); the test answers each window
// as a person would, then looks where the downloaded bytes are: kept in a
// download folder, left at the temporary path, or gone. docs/download-fates.md
// tells the same cases as a table.
#include "CaseName.h"
#include "DownloadBench.h"
#include "Known.h"
#include "Probe.h"
#include "Process.h"
#include "Registry.h"
#include "Session.h"
#include "Files.h"
#include "platform/Handle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using casename::operator<<;

using dlbench::ReadBytes;
using dlbench::RemoveTree;
using dlbench::WriteBytes;

constexpr char kRoot[] = "C:\\FaultTest";
// The same on drive D:, another volume (another file system under Wine).
constexpr char kOtherRoot[] = "D:\\FaultTest";
constexpr char kStandinLog[] = "C:\\FaultTest\\ombrix.log";
// A LaunchDir of type REG_DWORD is read as its bytes: 0x785C3A43 spells C:\x.
constexpr char kDwordFolder[] = "C:\\x";
constexpr DWORD kDwordSpellingAFolder = 0x785C3A43;
// Read-only to everyone, root included: the process file system, through Z:.
constexpr char kReadOnlyFolder[] = "Z:\\proc\\sys";
// A drive letter that no prefix maps.
constexpr char kUnmappedDrive[] = "Q:\\";
// A network share whose root refuses the volume query (scripts/with-wine.sh).
constexpr char kShare[] = "\\\\fileserver\\downloads\\FaultTest";
// A drive of 1 MiB, full after the first MiB of a copy (scripts/with-wine.sh;
// missing where no tmpfs could be mounted).
constexpr char kSmallDrive[] = "E:\\";
// Where a download goes when the download folder is the drive's root.
constexpr char kRootFile[] = "C:\\faulttest-root.zip";


constexpr char kDownloaded[] = "PK\x03\x04 the archive just downloaded";
constexpr char kEarlier[] = "PK\x03\x04 an earlier download of the same name";
constexpr char kNextDownload[] = "PK\x03\x04 the browser's next download";

// A download of three MiB, too big for the small drive.
const std::string kThreeMiB = kDownloaded + std::string(3 << 20, 'z');

std::string Path(const std::string& relative) { return std::string(kRoot) + "\\" + relative; }
std::string OtherPath(const std::string& relative) { return std::string(kOtherRoot) + "\\" + relative; }
std::string Temporary() { return Path("Temp\\M1.TMP"); }
std::string Target() { return Path("Download\\tools.zip"); }

// A registry value as raw bytes; type 0 means no value at all.
struct Value {
    DWORD type = 0;
    std::string bytes;
};

Value Sz(const std::string& text) { return {REG_SZ, text + '\0'}; }

Value Dword(DWORD number) {
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof number)};
}

// What a person does with a window. NextDownloadThen...: while the box is
// up, Navigator deletes its file and puts its next download under the same
// temporary name; then OK, No or Yes.
enum class Act {
    Yes, No, Ok, Cancel, Pick, PickRemoved,
    NextDownloadThenOk, NextDownloadThenNo, NextDownloadThenYes
};

struct Step {
    std::string window;  // "110", "111", "112", "105" or "picker"
    Act act;
    std::string folder = {};  // Pick, PickRemoved: the folder chosen
};

enum class Archiver { Installed, NotRegistered, ExecutableMissing };

// What lies on the disk before the hand-over, besides the temporary file.
enum class Before {
    Nothing,
    TemporaryGone,      // the temporary file no longer exists
    TemporaryHeldOpen,  // the browser holds it open, sharing read and write only
    TargetFile,         // an earlier download of the same name
    TargetFileHeldOpen, // the same, still open in the archive utility
    TargetFolder,       // a folder of the download's name
};

// One row: the arrangement, what the user sees and answers, and the outcome.
struct FaultCase {
    std::string name;
    Value launchDir = Sz(Path("Download"));
    Value url = Sz("http://host/pub/tools.zip");
    Archiver archiver = Archiver::Installed;
    Before before = Before::Nothing;
    std::string earlierName = "tools.zip";  // Target*: the name already taken
    std::string takenIn = Path("Download");  // Target*: the folder it is taken in
    std::string argument = Temporary();      // what Navigator puts on the command line
    std::vector<Step> steps;
    std::string downloadAt = Target();  // the one file holding the bytes afterwards; "" none
    std::string launchedOn = Target();  // the archive utility's file; "" not started
    std::string launchedIn = Path("Download");
    std::string earlierAt;              // TargetFile*: where the earlier bytes are; "" none
    std::string savedFolder;            // LaunchDir afterwards, REG_SZ; "" unchanged
    std::string nextDownloadAt;         // NextDownloadThen...: where its bytes are
    std::string bytes = kDownloaded;    // the download's bytes

    FaultCase& Folder(Value value) { launchDir = std::move(value); return *this; }
    FaultCase& Folder(const std::string& text) { return Folder(Sz(text)); }
    FaultCase& Url(Value value) { url = std::move(value); return *this; }
    FaultCase& With(Archiver value) { archiver = value; return *this; }
    FaultCase& With(Before value) { before = value; return *this; }
    FaultCase& With(Before value, const std::string& name) {
        earlierName = name;
        return With(value);
    }
    FaultCase& TakenIn(const std::string& folder) { takenIn = folder; return *this; }
    FaultCase& Argument(const std::string& value) { argument = value; return *this; }
    FaultCase& Sees(std::vector<Step> value) { steps = std::move(value); return *this; }
    // The bytes end in this file and the archive utility opens it there.
    FaultCase& Opened(const std::string& file, const std::string& folder) {
        downloadAt = launchedOn = file;
        launchedIn = folder;
        return *this;
    }
    // The bytes lie in this file ("" nowhere); the utility is not started.
    FaultCase& Left(const std::string& file) {
        downloadAt = file;
        launchedOn.clear();
        return *this;
    }
    FaultCase& LaunchedOn(const std::string& file) { launchedOn = file; return *this; }
    FaultCase& Earlier(const std::string& file) { earlierAt = file; return *this; }
    FaultCase& Saves(const std::string& folder) { savedFolder = folder; return *this; }
    FaultCase& NextDownload(const std::string& file) { nextDownloadAt = file; return *this; }
    FaultCase& Bytes(const std::string& value) { bytes = value; return *this; }
};

FaultCase Row(const std::string& name) {
    FaultCase c;
    c.name = name;
    return c;
}

// Every file under the test's folders that holds these bytes, sorted.
void CollectHolders(const std::string& folder, const std::string& bytes,
                    std::vector<std::string>& holders) {
    WIN32_FIND_DATAA found = {};
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string child = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CollectHolders(child, bytes, holders);
        } else if (ReadBytes(child) == bytes) {
            holders.push_back(child);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::vector<std::string> FilesHolding(const std::string& bytes) {
    std::vector<std::string> holders;
    CollectHolders(kRoot, bytes, holders);
    CollectHolders(kOtherRoot, bytes, holders);
    CollectHolders(kDwordFolder, bytes, holders);
    CollectHolders(kShare, bytes, holders);
    if (ReadBytes(kRootFile) == bytes) holders.push_back(kRootFile);
    std::sort(holders.begin(), holders.end());
    return holders;
}

std::vector<std::string> Only(const std::string& file) {
    return file.empty() ? std::vector<std::string>{} : std::vector<std::string>{file};
}

// How a test reads a window: the message by its id, or "picker".
std::string Label(const probe::Window& window) {
    if (window.caption == "Browse for Folder") return "picker";
    if (window.caption == "DARIVOVA") {
        const std::string text = window.Text();
        if (text == kText105) return "105";
        if (text == kText110) return "110";
        if (text == kText111) return "111";
        if (text == kText112) return "112";
    }
    return window.caption + ": " + window.Text();
}

bool Perform(HWND window, const Step& step) {
    switch (step.act) {
    case Act::Yes: return probe::Press(window, IDYES);
    case Act::No: return probe::Press(window, IDNO);
    case Act::Ok: return probe::Press(window, IDOK);
    case Act::Cancel: return probe::Press(window, IDCANCEL);
    case Act::Pick: return probe::PickFolder(window, step.folder);
    case Act::PickRemoved:
        // The folder goes while the chooser shows it: the path comes back all
        // the same, and the move then has no folder to go to.
        return probe::SelectFolder(window, step.folder) &&
               RemoveDirectoryA(step.folder.c_str()) && probe::Press(window, IDOK);
    case Act::NextDownloadThenOk:
    case Act::NextDownloadThenNo:
    case Act::NextDownloadThenYes:
        // A new file, not the old one rewritten; gone already where it was moved.
        DeleteFileA(Temporary().c_str());
        return WriteBytes(Temporary(), kNextDownload) &&
               probe::Press(window, step.act == Act::NextDownloadThenOk ? IDOK
                                    : step.act == Act::NextDownloadThenNo ? IDNO : IDYES);
    }
    return false;
}

// Open for reading, sharing read and write but not deletion.
CHandle OpenHeld(const std::string& path) {
    return CHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
}

class FaultMatrixTest : public ::testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override {
        Clean();
        // The platform arrangements some rows rely on.
        ASSERT_EQ(GetFileAttributesA(kReadOnlyFolder) & FILE_ATTRIBUTE_DIRECTORY,
                  static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
        ASSERT_EQ(GetDriveTypeA(kUnmappedDrive), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
        ASSERT_TRUE(CreateDirectoryA(kOtherRoot, nullptr));
        ASSERT_TRUE(CreateDirectoryA(kShare, nullptr));

        ASSERT_TRUE(CreateDirectoryA(kRoot, nullptr));
        ASSERT_TRUE(CreateDirectoryA(Path("Temp").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(Path("Picked").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(Path("Picked2").c_str(), nullptr));
        SetEnvironmentVariableA("OMBRIX_STANDIN_LOG", kStandinLog);
    }
    void TearDown() override {
        m_held.Reset();
        Clean();
    }

    static void Clean() {
        testreg::DeleteTree(HKEY_CURRENT_USER, "Software\\Quenlock");
        testreg::DeleteTree(HKEY_CURRENT_USER, "Software\\Netscape");
        testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
        RemoveTree(kRoot);
        RemoveTree(kOtherRoot);
        RemoveTree(kDwordFolder);
        RemoveTree(kShare);
        RemoveTree(std::string(kSmallDrive) + "FaultTest");
        DeleteFileA(kRootFile);
    }

    static bool SetValue(const char* key, const std::string& name, const Value& value) {
        return value.type == 0 || testreg::SetValue(HKEY_CURRENT_USER, key, name, value.type, value.bytes);
    }

    void Arrange(const FaultCase& c) {
        ASSERT_TRUE(SetValue(kSettingsKey, "LaunchDir", c.launchDir));
        // The table holds another download too, so it exists in every row.
        ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kUrlTable, Path("Temp\\M0.TMP"),
                                       "http://host/pub/other.zip"));
        ASSERT_TRUE(SetValue(kUrlTable, Temporary(), c.url));

        if (c.archiver != Archiver::NotRegistered) {
            ASSERT_TRUE(CreateDirectoryA(Path("Ombrix").c_str(), nullptr));
            const std::string exe = Path("Ombrix\\ombrix32.exe");
            if (c.archiver == Archiver::Installed) {
                ASSERT_TRUE(CopyFileA((ProgramFolder() + "ombrix32.exe").c_str(), exe.c_str(), FALSE));
            }
            ASSERT_TRUE(testreg::SetString(HKEY_CLASSES_ROOT, kArchiverKey, "", exe + " %1"));
        }

        if (c.before != Before::TemporaryGone) {
            ASSERT_TRUE(WriteBytes(Temporary(), c.bytes));
        }
        if (c.before == Before::TemporaryHeldOpen) {
            m_held = OpenHeld(Temporary());
            ASSERT_TRUE(m_held.IsValid());
        }
        const std::string taken = c.takenIn + "\\" + c.earlierName;
        if (c.before == Before::TargetFile || c.before == Before::TargetFileHeldOpen) {
            ASSERT_TRUE(CreateDirectoryA(c.takenIn.c_str(), nullptr));
            ASSERT_TRUE(WriteBytes(taken, kEarlier));
        }
        if (c.before == Before::TargetFileHeldOpen) {
            m_held = OpenHeld(taken);
            ASSERT_TRUE(m_held.IsValid());
        }
        if (c.before == Before::TargetFolder) {
            ASSERT_TRUE(CreateDirectoryA(c.takenIn.c_str(), nullptr));
            ASSERT_TRUE(CreateDirectoryA(taken.c_str(), nullptr));
        }
    }

    static Value StoredLaunchDir() {
        Value value;
        if (!testreg::ReadValue(HKEY_CURRENT_USER, kSettingsKey, "LaunchDir", &value.type,
                                &value.bytes)) {
            return {};
        }
        return value;
    }

    CHandle m_held;
};

TEST_P(FaultMatrixTest, DownloadEndsWhereExpected) {
    const FaultCase& c = GetParam();
    const bool onSmallDrive = c.launchDir.bytes.rfind(kSmallDrive, 0) == 0;
    if (onSmallDrive && GetDriveTypeA(kSmallDrive) == DRIVE_NO_ROOT_DIR) {
        GTEST_SKIP() << "no small drive E: here (mounting a tmpfs needs root)";
    }
    ASSERT_NO_FATAL_FAILURE(Arrange(c));
    const Value launchDirBefore = StoredLaunchDir();

    // Navigator starts its viewer with the temporary file's path, unquoted.
    const SessionResult session = RunSession(
        Quoted(ProgramFolder() + "DARIVOVA.EXE") + " " + c.argument, kRoot,
        [&](std::size_t index, const probe::Window& window) {
            return index < c.steps.size() && Label(window) == c.steps[index].window &&
                   Perform(window.hwnd, c.steps[index]);
        });
    m_held.Reset();
    ASSERT_TRUE(session.ended);
    EXPECT_EQ(session.exitCode, 0u);

    std::vector<std::string> seen;
    for (const probe::Window& window : session.windows) seen.push_back(Label(window));
    std::vector<std::string> expected;
    for (const Step& step : c.steps) expected.push_back(step.window);
    EXPECT_EQ(seen, expected);

    EXPECT_EQ(FilesHolding(c.bytes), Only(c.downloadAt));
    if (onSmallDrive) {
        // Not even a part of the download is left on it.
        EXPECT_TRUE(testfs::FolderNames(std::string(kSmallDrive) + "FaultTest").empty());
    }
    if (c.before == Before::TargetFile || c.before == Before::TargetFileHeldOpen) {
        EXPECT_EQ(FilesHolding(kEarlier), Only(c.earlierAt));
    }
    EXPECT_EQ(FilesHolding(kNextDownload), Only(c.nextDownloadAt));

    const auto launches = dlbench::WaitForLaunches(kStandinLog, c.launchedOn.empty() ? 0 : 1);
    if (c.launchedOn.empty()) {
        EXPECT_TRUE(launches.empty());
    } else {
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_EQ(launches[0][0], c.launchedIn);
        EXPECT_EQ(launches[0][1], Quoted(c.launchedOn));
    }

    const Value launchDirAfter = StoredLaunchDir();
    const Value expectedLaunchDir = c.savedFolder.empty() ? launchDirBefore : Sz(c.savedFolder);
    EXPECT_EQ(launchDirAfter.type, expectedLaunchDir.type);
    EXPECT_EQ(launchDirAfter.bytes, expectedLaunchDir.bytes);
}

constexpr DWORD kMiB = 1 << 20;

// The size of the biggest file in a folder: a staging folder's copy.
DWORD BiggestIn(const std::string& folder) {
    DWORD biggest = 0;
    WIN32_FIND_DATAA found = {};
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        biggest = std::max(biggest, found.nFileSizeLow);
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    return biggest;
}

// Writes, or compares, 1 GiB a MiB at a time, each MiB its own letter.
bool BigDownload(const std::string& path, bool write) {
    const CHandle file(CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, 0, nullptr,
                                   write ? CREATE_NEW : OPEN_EXISTING, 0, nullptr));
    std::string mib, read(kMiB, '\0');
    DWORD done = 0;
    for (int i = 0; i < 1024; ++i) {
        mib.assign(kMiB, static_cast<char>('a' + i % 26));
        if (!(write ? WriteFile(file.Get(), mib.data(), kMiB, &done, nullptr)
                    : ReadFile(file.Get(), &read[0], kMiB, &done, nullptr) && read == mib) ||
            done != kMiB) {
            return false;
        }
    }
    return write || (ReadFile(file.Get(), &read[0], 1, &done, nullptr) && done == 0);
}

// A run ended part-way through a copy of 1 GiB from another drive (by
// TerminateProcess, as by a crash or a logoff), then the next hand-over into
// that folder: the copy cut short is gone, nothing but the new download is
// there, and the first download is still whole where the browser left it.
TEST_F(FaultMatrixTest, RunEndedDuringACopyIsPutRightByTheNextHandOver) {
    ASSERT_NO_FATAL_FAILURE(Arrange(Row("")));
    // On the tmpfs drive D:, quick to write.
    const std::string first = OtherPath("M2.TMP"), staging = Path("Download\\~D0");
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kUrlTable, first, "http://host/first.zip"));
    ASSERT_TRUE(BigDownload(first, true));

    CChildProcess run;
    ASSERT_TRUE(run.Start(Quoted(ProgramFolder() + "DARIVOVA.EXE") + " " + first, kRoot));
    for (int i = 0; i < 10000 && BiggestIn(staging) < kMiB; ++i) Sleep(1);
    ASSERT_TRUE(TerminateProcess(run.Handle(), 1));
    ASSERT_TRUE(run.Wait(10000));
    ASSERT_GE(BiggestIn(staging), kMiB) << "the copy had not begun";
    ASSERT_LT(BiggestIn(staging), 1024 * kMiB) << "the copy was done before the run was ended";

    const SessionResult next =
        RunSession(Quoted(ProgramFolder() + "DARIVOVA.EXE") + " " + Temporary(), kRoot);
    ASSERT_TRUE(next.ended);
    EXPECT_TRUE(next.windows.empty());
    EXPECT_EQ(testfs::FolderNames(Path("Download")), std::set<std::string>{"tools.zip"});
    EXPECT_EQ(ReadBytes(Path("Download\\tools.zip")), kDownloaded);
    EXPECT_TRUE(BigDownload(first, false));
}

const std::string kPicked = Path("Picked");
const std::string kPicked2 = Path("Picked2");
// The name Navigator's temporary file has in the download folder when the
// URL gives none.
const std::string kOwnName = Path("Download\\M1.TMP");
const std::string kShareFolder = std::string(kShare) + "\\Archives";
// A folder of 213 characters: with a name of 46 the target has 260.
const std::string kLongFolder = Path(std::string(200, 'f'));

INSTANTIATE_TEST_SUITE_P(
    Rows, FaultMatrixTest,
    ::testing::Values(
        // The road without a fault.
        Row("KeptAndOpened"),

        // The folder cannot be created.
        Row("Declined110").Folder(Path("Missing\\Download")).Sees({{"110", Act::No}}).Left(""),
        Row("PickerCancelledAfter110")
            .Folder(Path("Missing\\Download"))
            .Sees({{"110", Act::Yes}, {"picker", Act::Cancel}})
            .Left(""),
        Row("PickedAfter110")
            .Folder(Path("Missing\\Download"))
            .Sees({{"110", Act::Yes}, {"picker", Act::Pick, kPicked}})
            .Opened(kPicked + "\\tools.zip", kPicked)
            .Saves(kPicked),

        // The download already lies at its target: the temporary folder is
        // the download folder and the URL names the file as it is.
        Row("Declined111")
            .Folder(Path("Temp"))
            .Url(Sz("http://host/pub/m1.tmp"))
            .Sees({{"111", Act::No}})
            .Left(Temporary()),
        Row("PickerCancelledAfter111")
            .Folder(Path("Temp"))
            .Url(Sz("http://host/pub/m1.tmp"))
            .Sees({{"111", Act::Yes}, {"picker", Act::Cancel}})
            .Left(Temporary()),
        Row("PickedAfter111")
            .Folder(Path("Temp"))
            .Url(Sz("http://host/pub/m1.tmp"))
            .Sees({{"111", Act::Yes}, {"picker", Act::Pick, kPicked}})
            .Opened(kPicked + "\\m1.tmp", kPicked)
            .Saves(kPicked),

        // The same file under another spelling of its folder.
        Row("Declined111OtherSpelling")
            .Folder("C:/FaultTest/Download/../Temp/.")
            .Url(Sz("http://host/pub/m1.tmp"))
            .Sees({{"111", Act::No}})
            .Left(Temporary()),

        // A move that fails is a question (112), not a loss. The shell
        // reports failure (1223, aborted): the picked folder was removed
        // before the move.
        Row("ShellFailsPickedFolderGone")
            .Folder(Path("Missing\\Download"))
            .Sees({{"110", Act::Yes}, {"picker", Act::PickRemoved, kPicked}, {"112", Act::No}})
            .Left("")
            .Saves(kPicked),
        Row("ShellFailsThenPicked")
            .Folder(Path("Missing\\Download"))
            .Sees({{"110", Act::Yes},
                   {"picker", Act::PickRemoved, kPicked},
                   {"112", Act::Yes},
                   {"picker", Act::Pick, kPicked2}})
            .Opened(kPicked2 + "\\tools.zip", kPicked2)
            .Saves(kPicked2),

        // The shell reports success, yet the temporary file is still there.
        Row("SourceStaysFolderReadOnly").Folder(kReadOnlyFolder).Sees({{"112", Act::No}}).Left(""),
        Row("SourceStaysFolderReadOnlyThenPicked")
            .Folder(kReadOnlyFolder)
            .Sees({{"112", Act::Yes}, {"picker", Act::Pick, kPicked}})
            .Opened(kPicked + "\\tools.zip", kPicked)
            .Saves(kPicked),
        Row("SourceStaysTemporaryHeldOpen")
            .With(Before::TemporaryHeldOpen)
            .Sees({{"112", Act::No}})
            .Left(Temporary()),

        // The download folder is the folder its text names.
        Row("FolderWithTrailingBlank").Folder(Path("Download ")),
        Row("FolderWithTrailingDot").Folder(Path("Download.")),
        Row("FolderWithTrailingBackslash").Folder(Path("Download\\")),
        Row("FolderRelative").Folder("Download"),
        Row("FolderDriveRoot")
            .Folder("C:\\")
            .Url(Sz("http://host/pub/faulttest-root.zip"))
            .Opened(kRootFile, "C:\\"),

        // The shell reports success, the temporary file is gone, and nothing
        // is at the target: it was gone before the hand-over.
        Row("TargetMissingTemporaryGone").With(Before::TemporaryGone).Left(""),

        // Moved, but the archive utility does not start.
        Row("LaunchFailsNotRegistered")
            .With(Archiver::NotRegistered)
            .Sees({{"105", Act::Ok}})
            .Left(Target()),
        Row("LaunchFailsExecutableMissing")
            .With(Archiver::ExecutableMissing)
            .Sees({{"105", Act::Ok}})
            .Left(Target()),
        // The browser reuses the temporary name while 105 is up: that next
        // download is not the one handled here, and stays.
        Row("LaunchFailsTemporaryNameReused")
            .With(Archiver::NotRegistered)
            .Sees({{"105", Act::NextDownloadThenOk}})
            .Left(Target())
            .NextDownload(Temporary()),

        // Folder and name together make 260 characters, one more than a path
        // can hold with its terminator.
        Row("Target260")
            .Folder(kLongFolder)
            .Url(Sz("http://host/pub/" + std::string(42, 'n') + ".zip"))
            .Sees({{"112", Act::No}})
            .Left(""),

        // A URL value that gives no name: the temporary file's own name.
        Row("UrlMissing").Url({}).Opened(kOwnName, Path("Download")),
        Row("UrlExpandString")
            .Url({REG_EXPAND_SZ, std::string("http://host/pub/tools.zip") + '\0'})
            .Opened(kOwnName, Path("Download")),
        Row("UrlTooLong")
            .Url(Sz("http://host/" + std::string(244, 'u') + ".zip"))
            .Opened(kOwnName, Path("Download")),
        Row("UrlEmpty").Url(Sz("")).Opened(kOwnName, Path("Download")),
        Row("UrlEndsWithSlash").Url(Sz("http://host/pub/")).Opened(kOwnName, Path("Download")),

        // Names and command lines a server or a caller chose badly.
        Row("UrlConsoleName")
            .Url(Sz("http://host/pub/conin$.zip"))
            .Opened(Path("Download\\_conin$.zip"), Path("Download")),
        Row("UrlExtraTerminators")
            .Url({REG_SZ, std::string("http://host/pub/tools.zip") + std::string(3, '\0')}),
        Row("ArgumentQuotedWithMoreText").Argument(Quoted(Temporary()) + " -x"),

        // A LaunchDir of another type is read as its bytes.
        Row("LaunchDirDwordSpellingAFolder")
            .Folder(Dword(kDwordSpellingAFolder))
            .Opened(std::string(kDwordFolder) + "\\tools.zip", kDwordFolder),
        Row("LaunchDirDwordOne")
            .Folder(Dword(1))
            .Sees({{"110", Act::Yes}, {"picker", Act::Pick, kPicked}})
            .Opened(kPicked + "\\tools.zip", kPicked)
            .Saves(kPicked),

        // A download folder that cannot be written or reached.
        Row("FolderMissingOnReadOnlyPlace")
            .Folder("Z:\\proc\\Download")
            .Sees({{"110", Act::Yes}, {"picker", Act::Pick, kPicked}})
            .Opened(kPicked + "\\tools.zip", kPicked)
            .Saves(kPicked),
        Row("FolderOnUnmappedDrive").Folder("Q:\\Download").Sees({{"110", Act::No}}).Left(""),
        // An empty folder text names no folder, not the current drive's root.
        Row("FolderEmpty")
            .Folder("")
            .Sees({{"110", Act::Yes}, {"picker", Act::Pick, kPicked}})
            .Opened(kPicked + "\\tools.zip", kPicked)
            .Saves(kPicked),

        // The name is taken already: the download takes the first free one,
        // and the earlier entry stays as it was.
        Row("TargetFileTaken")
            .With(Before::TargetFile)
            .Opened(Path("Download\\tools (2).zip"), Path("Download"))
            .Earlier(Target()),
        Row("TargetFileTakenHeldOpen")
            .With(Before::TargetFileHeldOpen)
            .Opened(Path("Download\\tools (2).zip"), Path("Download"))
            .Earlier(Target()),
        Row("TargetFolderTaken")
            .With(Before::TargetFolder)
            .Opened(Path("Download\\tools (2).zip"), Path("Download")),
        Row("NameWithoutDotTaken")
            .Url(Sz("http://host/pub/README"))
            .With(Before::TargetFile, "README")
            .Opened(Path("Download\\README (2)"), Path("Download"))
            .Earlier(Path("Download\\README")),

        // A download folder on another drive: the file is copied there, and
        // the browser's file goes.
        Row("OtherDrive")
            .Folder(OtherPath("Download"))
            .Opened(OtherPath("Download\\tools.zip"), OtherPath("Download")),
        Row("OtherDriveTargetFileTaken")
            .Folder(OtherPath("Download"))
            .With(Before::TargetFile)
            .TakenIn(OtherPath("Download"))
            .Opened(OtherPath("Download\\tools (2).zip"), OtherPath("Download"))
            .Earlier(OtherPath("Download\\tools.zip")),

        // A download folder on a network share: the first hand-over creates
        // the folder, the next finds it.
        Row("NetworkShareFolderCreated")
            .Folder(kShareFolder)
            .Opened(kShareFolder + "\\tools.zip", kShareFolder),
        Row("NetworkShareFolderFound")
            .Folder(kShareFolder)
            .With(Before::TargetFolder, "Earlier")
            .TakenIn(kShareFolder)
            .Opened(kShareFolder + "\\tools.zip", kShareFolder),

        // A drive that fills up part-way through the copy: 112, and nothing
        // partial stays on it.
        Row("FullDrive")
            .Folder(std::string(kSmallDrive) + "FaultTest")
            .Bytes(kThreeMiB)
            .Sees({{"112", Act::No}})
            .Left(""),

        // Only the browser's own temporary file is ever deleted.
        Row("UsersFileDeclined110")
            .Folder(Path("Missing\\Download"))
            .Url({})
            .Sees({{"110", Act::No}})
            .Left(Temporary()),
        Row("FolderAsArgument").Argument(Path("Temp")).Left(Temporary()),
        // The browser replaced its file while the question was up: No lets
        // the download go, and the file now under its name is another.
        Row("TemporaryReplacedWhile110ThenNo")
            .Folder(Path("Missing\\Download"))
            .Sees({{"110", Act::NextDownloadThenNo}})
            .Left("")
            .NextDownload(Temporary()),
        // The same, then Yes and a folder: only the file handed over moves;
        // the browser's next download is left for its own helper.
        Row("TemporaryReplacedWhile110ThenPicked")
            .Folder(Path("Missing\\Download"))
            .Sees({{"110", Act::NextDownloadThenYes}, {"picker", Act::Pick, kPicked}})
            .Left("")
            .NextDownload(Temporary())
            .Saves(kPicked)),
    CaseName());

}  // namespace
