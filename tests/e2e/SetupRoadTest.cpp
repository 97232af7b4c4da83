// The setup road from the outside: the real DARIVOVA.EXE started without an
// argument, its setup dialog and about box read and answered as a person
// would, and what it leaves in the registry; then the whole loop with the
// browser stand-in handing a download to the registered program.
#include "CaseName.h"
#include "DownloadBench.h"
#include "Files.h"
#include "Known.h"
#include "Probe.h"
#include "Process.h"
#include "Registry.h"
#include "RegistryExtras.h"
#include "Session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using casename::operator<<;

using testfs::ReadBytes;
using testfs::RemoveTree;

constexpr char kRoot[] = "C:\\SetupRoad";
constexpr char kDefaultFolder[] = "C:\\Download";
constexpr char kAboutCaption[] = "About DarivoVA";
constexpr char kChooserCaption[] = "Browse for Folder";
constexpr char kBoxCaption[] = "DARIVOVA";
constexpr char kCompany[] = "Software\\Quenlock";
constexpr char kNetscape[] = "Software\\Netscape";
constexpr char kNavigator[] = "Software\\Netscape\\Netscape Navigator";
constexpr char kSuffixes[] = "Software\\Netscape\\Netscape Navigator\\Suffixes";
constexpr DWORD kWaitMs = 10000;

constexpr char kText106[] =
    "DarivoVA registered as a Netscape Navigator 2.0+ viewer.\n"
    "DarivoVA will use the folder you specified next time your click on a Ombrix file.\n"
    "Close all running instances of Navigator for changes to take affect.";
constexpr char kText107[] =
    "Netscape Navigator 2.0+ not installed. Please install it and try again.";

std::string Path(const std::string& relative) { return std::string(kRoot) + "\\" + relative; }

// A text as another program reads it: in the ANSI code page.
std::string Ansi(const wchar_t* text) {
    char buffer[512] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

// A value's raw bytes, or "<none>".
std::string Value(const std::string& key, const std::string& name) {
    DWORD type = 0;
    std::string bytes;
    if (!testreg::ReadValue(HKEY_CURRENT_USER, key, name, &type, &bytes)) return "<none>";
    return type == REG_SZ ? bytes : "<type " + std::to_string(type) + ">";
}

std::string Sz(const std::string& text) { return std::string(text.c_str(), text.size() + 1); }

RECT WorkArea() {
    RECT area = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

class SetupRoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clean();
        ASSERT_TRUE(CreateDirectoryA(kRoot, nullptr));
    }
    void TearDown() override {
        m_program.reset();
        m_browser.reset();
        Clean();
    }

    static void Clean() {
        testreg::DeleteTree(HKEY_CURRENT_USER, kCompany);
        testreg::DeleteTree(HKEY_CURRENT_USER, kNetscape);
        testreg::DeleteTree(HKEY_CLASSES_ROOT, "Ombrix");
        RemoveTree(kRoot);
        RemoveTree(kDefaultFolder);
    }

    static std::string Program() { return ProgramFolder() + "DARIVOVA.EXE"; }

    // Starts the program without an argument; its setup dialog as it opened.
    probe::Window StartSetup(const std::string& program = Program()) {
        m_program = std::make_unique<CChildProcess>();
        EXPECT_TRUE(m_program->Start(Quoted(program)));
        return NextWindow(kSetupCaption);
    }

    // The next window of the program with this caption, not seen before.
    probe::Window NextWindow(const std::string& caption) {
        const HWND window = probe::WaitForWindow(m_program->Id(), caption, kWaitMs, m_seen);
        EXPECT_NE(window, nullptr) << caption;
        if (window == nullptr) return {};
        m_seen.push_back(window);
        return probe::Describe(window);
    }

    // True when the program ended in time (a box left open would keep it up).
    bool Ended() {
        DWORD exitCode = 99;
        if (!m_program->Wait(kWaitMs, &exitCode)) return false;
        EXPECT_EQ(exitCode, 0u);
        return true;
    }

    // Answers the one message after Yes with OK; the box as it showed.
    probe::Window Message() {
        const probe::Window box = NextWindow(kBoxCaption);
        EXPECT_TRUE(probe::Press(box.hwnd, IDOK));
        return box;
    }

    std::unique_ptr<CChildProcess> m_program;
    std::unique_ptr<CChildProcess> m_browser;
    std::vector<HWND> m_seen;
};

struct ControlSpec {
    int id;
    const char* className;
    std::optional<std::string> text;  // none for the icon, whose text is a resource ordinal
};

TEST_F(SetupRoadTest, DialogOpensAtTheOriginWithItsControlsAndFocusOnYes) {
    const probe::Window setup = StartSetup();
    EXPECT_EQ(setup.caption, kSetupCaption);
    EXPECT_EQ(setup.rect.left, 0);
    EXPECT_EQ(setup.rect.top, 0);
    EXPECT_EQ(setup.owner, nullptr);
    EXPECT_NE(setup.exStyle & WS_EX_APPWINDOW, 0u);
    EXPECT_EQ(setup.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_EQ(setup.focusId, IDOK);

    const std::vector<ControlSpec> expected = {
        {-1, "Static",
         Ansi(L"Welcome to the Ombrix\u00ae Netscape Helper!\nThis program makes it easier to work "
              L"with archives downloaded from the Internet.")},
        {-1, "Static", ""},
        {-1, "Static", "The Problem:"},
        {-1, "Static",
         "If you use a utility such as Ombrix as a Netscape helper app to view archives, Netscape "
         "treats the archives you download as temporary files and will automatically delete them "
         "WITHOUT WARNING when you close Netscape."},
        {-1, "Static", "The Solution? Use the Ombrix Netscape Helper:"},
        {-1, "Static",
         "Before opening archives, the helper will automatically move archives you download to a "
         "specified folder so they won't be deleted when you close Navigator."},
        {-1, "Static", ""},
        {-1, "Static", "Folder for downloaded archives:"},
        {1012, "Edit", kDefaultFolder},
        {1009, "Button", "&Browse..."},
        {-1, "Static", ""},
        {IDOK, "Button", "&Yes"},
        {IDCANCEL, "Button", "&No"},
        {-1, "Static", "Register the Ombrix Netscape Helper with Netscape?"},
        {-1, "Static", std::nullopt},
    };
    ASSERT_EQ(setup.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        EXPECT_EQ(static_cast<short>(setup.controls[i].id), expected[i].id);
        EXPECT_STRCASEEQ(setup.controls[i].className.c_str(), expected[i].className);
        if (expected[i].text) {
            EXPECT_EQ(setup.controls[i].text, *expected[i].text);
        }
    }
    const probe::Control* folder = setup.Find(1012);
    ASSERT_NE(folder, nullptr);
    EXPECT_NE(folder->style & ES_READONLY, 0u);
    EXPECT_EQ(folder->style & WS_TABSTOP, 0u);
    for (int id : {1009, IDOK, IDCANCEL}) EXPECT_NE(setup.Find(id)->style & WS_TABSTOP, 0u) << id;
    EXPECT_EQ(setup.controls.back().style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));

    probe::Press(setup.hwnd, IDCANCEL);
    EXPECT_TRUE(Ended());
}

TEST_F(SetupRoadTest, SystemMenuItemOpensTheAboutBoxCentredOverTheDialog) {
    const probe::Window setup = StartSetup();
    probe::SystemCommand(setup.hwnd, 16);
    const probe::Window about = NextWindow(kAboutCaption);
    ASSERT_NE(about.hwnd, nullptr);

    EXPECT_EQ(about.owner, setup.hwnd);
    EXPECT_FALSE(IsWindowEnabled(setup.hwnd));
    ASSERT_EQ(about.controls.size(), 3u);
    EXPECT_EQ(about.controls[1].text, "Ombrix Navigator Helper Version 0.71");
    EXPECT_EQ(about.Buttons(), std::vector<int>{IDOK});
    EXPECT_EQ(about.controls[0].style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));

    // Centred over the dialog, then kept inside the work area.
    const RECT area = WorkArea();
    const int width = about.rect.right - about.rect.left;
    const int height = about.rect.bottom - about.rect.top;
    LONG x = (setup.rect.left + setup.rect.right) / 2 - width / 2;
    LONG y = (setup.rect.top + setup.rect.bottom) / 2 - height / 2;
    if (x < area.left) x = area.left;
    if (y < area.top) y = area.top;
    EXPECT_EQ(about.rect.left, x);
    EXPECT_EQ(about.rect.top, y);

    probe::Press(about.hwnd, IDOK);
    EXPECT_TRUE(probe::WaitUntilGone(about.hwnd, kWaitMs));
    for (int i = 0; i < 100 && !IsWindowEnabled(setup.hwnd); ++i) Sleep(10);
    EXPECT_TRUE(IsWindowEnabled(setup.hwnd));
    probe::Press(setup.hwnd, IDCANCEL);
    EXPECT_TRUE(Ended());
}

struct LeaveCase {
    const char* name;
    void (*leave)(HWND setup);
};

class SetupLeaveTest : public SetupRoadTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(SetupLeaveTest, WritesAndShowsNothing) {
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kNavigator, "", ""));
    const auto netscape = testreg::Snapshot(HKEY_CURRENT_USER, kNetscape);
    const probe::Window setup = StartSetup();
    GetParam().leave(setup.hwnd);

    // Any box would keep the program from ending.
    EXPECT_TRUE(Ended());
    EXPECT_EQ(Value(kSettingsKey, "LaunchDir"), "<none>");
    EXPECT_EQ(testreg::Snapshot(HKEY_CURRENT_USER, kNetscape), netscape);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SetupLeaveTest,
    ::testing::Values(LeaveCase{"No", [](HWND w) { probe::Press(w, IDCANCEL); }},
                      LeaveCase{"Esc", [](HWND w) { probe::Key(w, VK_ESCAPE); }},
                      LeaveCase{"Close", [](HWND w) { probe::SystemCommand(w, SC_CLOSE); }}),
    CaseName());

TEST_F(SetupRoadTest, YesWithoutNavigatorSavesTheFolderAndReports107) {
    const probe::Window setup = StartSetup();
    probe::Press(setup.hwnd, IDOK);
    const probe::Window box = Message();

    EXPECT_EQ(box.Text(), kText107);
    EXPECT_EQ(box.icon, "exclamation");
    EXPECT_EQ(box.Buttons(), std::vector<int>{IDOK});
    EXPECT_TRUE(Ended());
    EXPECT_EQ(Value(kSettingsKey, "LaunchDir"), Sz(kDefaultFolder));
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, kNetscape));
}

// Registration from where the program lies; a path with blanks is written
// as it is, unquoted.
struct PlaceCase {
    const char* name;
    const char* folder;  // under the test root; empty: the build folder
};

class SetupRegisterTest : public SetupRoadTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(SetupRegisterTest, YesRegistersAndReports106) {
    std::string program = Program();
    if (*GetParam().folder != '\0') {
        const std::string folder = Path(GetParam().folder);
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        program = folder + "\\DARIVOVA.EXE";
        ASSERT_TRUE(CopyFileA(Program().c_str(), program.c_str(), FALSE));
    }
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kNavigator, "", ""));

    const probe::Window setup = StartSetup(program);
    probe::Press(setup.hwnd, IDOK);
    const probe::Window box = Message();

    EXPECT_EQ(box.Text(), kText106);
    EXPECT_EQ(box.icon, "information");
    EXPECT_EQ(box.Buttons(), std::vector<int>{IDOK});
    EXPECT_TRUE(Ended());
    EXPECT_EQ(Value(kSettingsKey, "LaunchDir"), Sz(kDefaultFolder));

    for (const char* type :
         {"application/x-zip-compressed", "application/x-gzip", "application/x-compress",
          "application/x-tar", "application/mac-binhex40", "application/zip", "uuencode", "x-uue",
          "x-uuencode", "multipart/x-tar", "application/x-ombrix"}) {
        EXPECT_EQ(Value(kViewers, type), Sz(program)) << type;
    }
    EXPECT_EQ(Value(kViewers, "TYPE0"), Sz("application/zip"));
    EXPECT_EQ(Value(kViewers, "TYPE1"), Sz("multipart/x-tar"));
    EXPECT_EQ(Value(kViewers, "TYPE2"), Sz("application/x-ombrix"));
    EXPECT_EQ(Value(kViewers, "TYPE3"), "<none>");
    EXPECT_EQ(Value(kSuffixes, "application/x-ombrix"),
              Sz("zip,gz,tar,taz,tgz,Z,arj,arc,b64,bhx,hqx,lzh,uu,uue,xxe,tar.Z"));
}

INSTANTIATE_TEST_SUITE_P(Places, SetupRegisterTest,
                         ::testing::Values(PlaceCase{"BuildFolder", ""},
                                           PlaceCase{"FolderWithBlanks", "Helper With Blanks"}),
                         CaseName());

// Browse...: Cancel keeps the folder, a choice replaces it; Yes saves what
// the edit shows.
struct BrowseCase {
    const char* name;
    const char* pick;  // under the test root; empty: Cancel
};

class SetupBrowseTest : public SetupRoadTest, public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(SetupBrowseTest, YesSavesWhatTheEditShows) {
    const bool picks = *GetParam().pick != '\0';
    const std::string picked = picks ? Path(GetParam().pick) : std::string(kDefaultFolder);
    if (picks) {
        ASSERT_TRUE(CreateDirectoryA(picked.c_str(), nullptr));
    }

    const probe::Window setup = StartSetup();
    probe::Press(setup.hwnd, 1009);
    const probe::Window chooser = NextWindow(kChooserCaption);
    ASSERT_NE(chooser.hwnd, nullptr);
    EXPECT_EQ(chooser.owner, setup.hwnd);
    if (picks) {
        EXPECT_TRUE(probe::PickFolder(chooser.hwnd, picked));
    } else {
        probe::Press(chooser.hwnd, IDCANCEL);
    }
    EXPECT_TRUE(probe::WaitUntilGone(chooser.hwnd, kWaitMs));

    const probe::Window after = probe::Describe(setup.hwnd);
    ASSERT_NE(after.Find(1012), nullptr);
    EXPECT_EQ(after.Find(1012)->text, picked);
    probe::Press(setup.hwnd, IDOK);
    EXPECT_EQ(Message().Text(), kText107);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(Value(kSettingsKey, "LaunchDir"), Sz(picked));
}

INSTANTIATE_TEST_SUITE_P(Choices, SetupBrowseTest,
                         ::testing::Values(BrowseCase{"Cancelled", ""},
                                           BrowseCase{"Chosen", "Kept Archives"}),
                         CaseName());

// The whole loop: setup registers the program and saves a chosen folder;
// the browser then finds DARIVOVA.EXE in its viewer table for
// application/zip and hands it a download, which is kept there and opened.
TEST_F(SetupRoadTest, SetupThenTheBrowserHandsOverADownloadThatIsKept) {
    const std::string kept = Path("Kept");
    ASSERT_TRUE(CreateDirectoryA(kept.c_str(), nullptr));
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kNavigator, "", ""));
    const std::string archiver = Path("ombrix32.exe");
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "ombrix32.exe").c_str(), archiver.c_str(), FALSE));
    ASSERT_TRUE(testreg::SetString(HKEY_CLASSES_ROOT, kArchiverKey, "",
                                   "\"" + archiver + "\" \"%1\""));
    const std::string log = Path("ombrix.log");
    SetEnvironmentVariableA("OMBRIX_STANDIN_LOG", log.c_str());

    const probe::Window setup = StartSetup();
    probe::Press(setup.hwnd, 1009);
    const probe::Window chooser = NextWindow(kChooserCaption);
    ASSERT_TRUE(probe::PickFolder(chooser.hwnd, kept));
    ASSERT_TRUE(probe::WaitUntilGone(chooser.hwnd, kWaitMs));
    probe::Press(setup.hwnd, IDOK);
    EXPECT_EQ(Message().Text(), kText106);
    ASSERT_TRUE(Ended());

    m_browser = std::make_unique<CChildProcess>();
    ASSERT_TRUE(m_browser->Start(Quoted(ProgramFolder() + "navigator_standin.exe") +
                                 " --type application/zip --url http://host/pub/tools.zip"
                                 " --size 5000 --temp " + Path("NavTemp") + " --timeout 20000"));
    DWORD exitCode = 99;
    ASSERT_TRUE(m_browser->Wait(40000, &exitCode));
    EXPECT_EQ(exitCode, 0u);

    EXPECT_EQ(ReadBytes(kept + "\\tools.zip"), dlbench::PatternBytes(5000, 1));
    std::string launches;
    for (int i = 0; i < 500 && (launches = ReadBytes(log)) == "<missing>"; ++i) Sleep(10);
    EXPECT_EQ(launches, kept + "|\"" + kept + "\\tools.zip\"\r\n");
}

// Removal from the outside: setup replaced the archive utility's viewer;
// "DARIVOVA.EXE /remove" asks (113), puts that viewer back, says so (114)
// and leaves no key of its own.
TEST_F(SetupRoadTest, RemoveAfterSetupPutsBackTheViewerItReplaced) {
    const std::string ombrix = "C:\\Ombrix\\ombrix32.exe";
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kViewers, "application/zip", ombrix));
    const probe::Window setup = StartSetup();
    probe::Press(setup.hwnd, IDOK);
    EXPECT_EQ(Message().Text(), kText106);
    ASSERT_TRUE(Ended());
    ASSERT_EQ(Value(kViewers, "application/zip"), Sz(Program()));

    const SessionResult removal = RunSession(
        Quoted(Program()) + " /Remove ", kRoot, [](std::size_t index, const probe::Window& box) {
            return probe::Press(box.hwnd, index == 0 ? IDYES : IDOK);
        });
    ASSERT_TRUE(removal.ended);
    ASSERT_EQ(removal.windows.size(), 2u);
    EXPECT_EQ(removal.windows[0].caption, kBoxCaption);
    EXPECT_EQ(removal.windows[0].Text(), kText113);
    EXPECT_EQ(removal.windows[0].icon, "question");
    EXPECT_EQ(removal.windows[0].Buttons(), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(removal.windows[1].Text(), kText114);
    EXPECT_EQ(removal.windows[1].icon, "information");
    EXPECT_EQ(Value(kViewers, "application/zip"), Sz(ombrix));
    EXPECT_EQ(Value(kViewers, "x-uue"), "<none>");
    EXPECT_EQ(Value(kSuffixes, "application/x-ombrix"), "<none>");
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, kCompany));
}

}  // namespace
