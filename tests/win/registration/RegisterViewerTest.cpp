#include "app/HelperApp.h"
#include "app/Settings.h"

#include "Known.h"
#include "CaseName.h"
#include "Registry.h"
#include "RegistryExtras.h"
#include "Robot.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using casename::operator<<;

const std::string kNetscape = "Software\\Netscape";
const std::string kCompany = "Software\\Quenlock";
const std::string kNavigator = "Software\\Netscape\\Netscape Navigator";
const std::string kViewers = kNavigator + "\\Viewers";
const std::string kSuffixes = kNavigator + "\\Suffixes";

// The value names that must carry the executable's path (application/zip
// and the private type once each, however often they are written).
const std::vector<std::string> kViewerValues = {
    "application/x-zip-compressed", "application/x-gzip", "application/x-compress",
    "application/x-tar",            "application/mac-binhex40", "application/zip",
    "uuencode",                     "x-uue",              "x-uuencode",
    "multipart/x-tar",              "application/x-ombrix",
};

const std::string kSuffixList = "zip,gz,tar,taz,tgz,Z,arj,arc,b64,bhx,hqx,lzh,uu,uue,xxe,tar.Z";

std::string Sz(const std::string& text) { return std::string(text.c_str(), text.size() + 1); }

std::string ExecutablePath() {
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return buffer;
}

// This program's file name, as a copy of it elsewhere would have it.
std::string ExecutableFileName() {
    const std::string path = ExecutablePath();
    return path.substr(path.find_last_of('\\') + 1);
}

// What a value holds, as "<type>:<bytes>" (the snapshot's form).
std::string Stored(DWORD type, const std::string& bytes) {
    return std::to_string(type) + ":" + bytes;
}

// The TYPEn values of the viewer table, by name.
std::map<std::string, std::string> TypeList() {
    std::map<std::string, std::string> types;
    for (const auto& [name, value] : testreg::Snapshot(HKEY_CURRENT_USER, kViewers)) {
        if (name.rfind("TYPE", 0) == 0) types[name] = value;
    }
    return types;
}

class RegisterViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_app.InitApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        m_app.SetCompanyKey(kCompanyKey);
        Clean();
    }
    void TearDown() override { Clean(); }

    static void Clean() {
        testreg::DeleteTree(HKEY_CURRENT_USER, kNetscape);
        testreg::DeleteTree(HKEY_CURRENT_USER, kCompany);
    }

    void ExpectViewerValues() {
        for (const std::string& name : kViewerValues) {
            DWORD type = 0;
            std::string bytes;
            ASSERT_TRUE(testreg::ReadValue(HKEY_CURRENT_USER, kViewers, name, &type, &bytes))
                << name;
            EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << name;
            EXPECT_EQ(bytes, Sz(ExecutablePath())) << name;
        }
    }

    void ExpectSuffixValue() {
        DWORD type = 0;
        std::string bytes;
        ASSERT_TRUE(testreg::ReadValue(HKEY_CURRENT_USER, kSuffixes, "application/x-ombrix",
                                       &type, &bytes));
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(bytes.size(), 62u);
        EXPECT_EQ(bytes, Sz(kSuffixList));
    }

    CHelperApp m_app;
};

// A TYPEn value present before the run: name, registry type, raw bytes.
struct TypeValue {
    std::string name;
    DWORD type;
    std::string bytes;
};

struct LayoutCase {
    const char* name;
    bool viewerKey;                            // the viewer table exists before the run
    std::vector<TypeValue> before;             // its TYPEn values
    std::map<std::string, std::string> after;  // the whole TYPE list after the run
};

class RegisterLayoutTest : public RegisterViewerTest,
                           public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(RegisterLayoutTest, WritesViewersTypesAndSuffixes) {
    const LayoutCase& c = GetParam();
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kNavigator, "Marker", "kept"));
    if (c.viewerKey) {
        ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kViewers, "Marker", "kept"));
    }
    for (const TypeValue& value : c.before) {
        ASSERT_TRUE(testreg::SetValue(HKEY_CURRENT_USER, kViewers, value.name, value.type,
                                      value.bytes));
    }

    EXPECT_EQ(m_app.RegisterViewer(), CHelperApp::Registration::Done);

    ExpectViewerValues();
    ExpectSuffixValue();
    EXPECT_EQ(TypeList(), c.after);
}

const std::string kLong(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Layouts, RegisterLayoutTest,
    ::testing::Values(
        LayoutCase{"NoViewerTable", false, {},
                   {{"TYPE0", Stored(REG_SZ, Sz("application/zip"))},
                    {"TYPE1", Stored(REG_SZ, Sz("multipart/x-tar"))},
                    {"TYPE2", Stored(REG_SZ, Sz("application/x-ombrix"))}}},
        LayoutCase{"EmptyViewerTable", true, {},
                   {{"TYPE0", Stored(REG_SZ, Sz("application/zip"))},
                    {"TYPE1", Stored(REG_SZ, Sz("multipart/x-tar"))},
                    {"TYPE2", Stored(REG_SZ, Sz("application/x-ombrix"))}}},
        // A listed type matches whatever the case of its letters.
        LayoutCase{"ZipListedInOtherCase", true,
                   {{"TYPE0", REG_SZ, Sz("text/html")},
                    {"TYPE1", REG_SZ, Sz("image/gif")},
                    {"TYPE2", REG_SZ, Sz("Application/ZIP")},
                    {"TYPE3", REG_SZ, Sz("audio/x-wav")},
                    {"TYPE4", REG_SZ, Sz("video/mpeg")}},
                   {{"TYPE0", Stored(REG_SZ, Sz("text/html"))},
                    {"TYPE1", Stored(REG_SZ, Sz("image/gif"))},
                    {"TYPE2", Stored(REG_SZ, Sz("Application/ZIP"))},
                    {"TYPE3", Stored(REG_SZ, Sz("audio/x-wav"))},
                    {"TYPE4", Stored(REG_SZ, Sz("video/mpeg"))},
                    {"TYPE5", Stored(REG_SZ, Sz("multipart/x-tar"))},
                    {"TYPE6", Stored(REG_SZ, Sz("application/x-ombrix"))}}},
        // The scan ends at the first missing index: the gap is filled and
        // application/zip is then listed twice.
        LayoutCase{"GapInTheNumbering", true,
                   {{"TYPE0", REG_SZ, Sz("text/plain")},
                    {"TYPE2", REG_SZ, Sz("application/zip")}},
                   {{"TYPE0", Stored(REG_SZ, Sz("text/plain"))},
                    {"TYPE1", Stored(REG_SZ, Sz("application/zip"))},
                    {"TYPE2", Stored(REG_SZ, Sz("application/zip"))},
                    {"TYPE3", Stored(REG_SZ, Sz("multipart/x-tar"))},
                    {"TYPE4", Stored(REG_SZ, Sz("application/x-ombrix"))}}},
        // Only REG_SZ counts: matching text of another type is passed over.
        LayoutCase{"MatchingTextOfAnotherType", true,
                   {{"TYPE0", REG_BINARY, Sz("application/zip")},
                    {"TYPE1", REG_EXPAND_SZ, Sz("multipart/x-tar")}},
                   {{"TYPE0", Stored(REG_BINARY, Sz("application/zip"))},
                    {"TYPE1", Stored(REG_EXPAND_SZ, Sz("multipart/x-tar"))},
                    {"TYPE2", Stored(REG_SZ, Sz("application/zip"))},
                    {"TYPE3", Stored(REG_SZ, Sz("multipart/x-tar"))},
                    {"TYPE4", Stored(REG_SZ, Sz("application/x-ombrix"))}}},
        // Too long for the 256-byte buffer: occupied, never overwritten.
        LayoutCase{"OverlongValuePassedOver", true,
                   {{"TYPE0", REG_SZ, Sz("application/zip" + kLong)},
                    {"TYPE1", REG_SZ, Sz("application/zip")}},
                   {{"TYPE0", Stored(REG_SZ, Sz("application/zip" + kLong))},
                    {"TYPE1", Stored(REG_SZ, Sz("application/zip"))},
                    {"TYPE2", Stored(REG_SZ, Sz("multipart/x-tar"))},
                    {"TYPE3", Stored(REG_SZ, Sz("application/x-ombrix"))}}},
        // 255 characters and the NUL fill the buffer exactly and are read.
        LayoutCase{"ValueFillingTheBuffer", true,
                   {{"TYPE0", REG_SZ, Sz(std::string(255, 'y'))}},
                   {{"TYPE0", Stored(REG_SZ, Sz(std::string(255, 'y')))},
                    {"TYPE1", Stored(REG_SZ, Sz("application/zip"))},
                    {"TYPE2", Stored(REG_SZ, Sz("multipart/x-tar"))},
                    {"TYPE3", Stored(REG_SZ, Sz("application/x-ombrix"))}}},
        // A string stored without its NUL still matches (the platform reads
        // it back with one).
        LayoutCase{"StoredWithoutTerminator", true,
                   {{"TYPE0", REG_SZ, "application/zip"}},
                   {{"TYPE0", Stored(REG_SZ, Sz("application/zip"))},
                    {"TYPE1", Stored(REG_SZ, Sz("multipart/x-tar"))},
                    {"TYPE2", Stored(REG_SZ, Sz("application/x-ombrix"))}}},
        // Everything listed already: nothing added.
        LayoutCase{"AllListed", true,
                   {{"TYPE0", REG_SZ, Sz("MULTIPART/X-TAR")},
                    {"TYPE1", REG_SZ, Sz("application/x-ombrix")},
                    {"TYPE2", REG_SZ, Sz("application/zip")}},
                   {{"TYPE0", Stored(REG_SZ, Sz("MULTIPART/X-TAR"))},
                    {"TYPE1", Stored(REG_SZ, Sz("application/x-ombrix"))},
                    {"TYPE2", Stored(REG_SZ, Sz("application/zip"))}}}),
    CaseName());

TEST_F(RegisterViewerTest, WithoutNavigatorCreatesNothing) {
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kNetscape, "Marker", "kept"));
    const auto before = testreg::Snapshot(HKEY_CURRENT_USER, kNetscape);

    EXPECT_EQ(m_app.RegisterViewer(), CHelperApp::Registration::NavigatorMissing);

    EXPECT_EQ(testreg::Snapshot(HKEY_CURRENT_USER, kNetscape), before);
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, kNavigator));
}

TEST_F(RegisterViewerTest, SecondRunChangesNothing) {
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kViewers, "TYPE0", "text/html"));
    ASSERT_EQ(m_app.RegisterViewer(), CHelperApp::Registration::Done);
    const auto first = testreg::Snapshot(HKEY_CURRENT_USER, kNetscape);

    EXPECT_EQ(m_app.RegisterViewer(), CHelperApp::Registration::Done);

    EXPECT_EQ(testreg::Snapshot(HKEY_CURRENT_USER, kNetscape), first);
    EXPECT_EQ(TypeList().size(), 4u);
}

// A registry that refuses a key or a value part-way: result 2, and what was
// written before the refusal stays.
struct FailureCase {
    const char* name;
    std::function<bool()> arrange;
    bool viewersWritten;  // the viewer values and the TYPE list were written
    bool suffixKey;       // the suffix table exists afterwards
};

class RegisterFailureTest : public RegisterViewerTest,
                            public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RegisterFailureTest, ReturnsTwoAndKeepsWhatWasWritten) {
    const FailureCase& c = GetParam();
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kNetscape, "Marker", "kept"));
    ASSERT_TRUE(c.arrange());
    const auto typesBefore = TypeList();

    EXPECT_EQ(m_app.RegisterViewer(), CHelperApp::Registration::WriteFailed);

    if (c.viewersWritten) {
        ExpectViewerValues();
        EXPECT_EQ(TypeList().size(), 3u);
    } else {
        DWORD type = 0;
        std::string bytes;
        EXPECT_FALSE(testreg::ReadValue(HKEY_CURRENT_USER, kViewers, "application/zip", &type,
                                        &bytes));
        EXPECT_EQ(TypeList(), typesBefore);
    }
    EXPECT_EQ(testreg::KeyExists(HKEY_CURRENT_USER, kSuffixes), c.suffixKey);
    DWORD type = 0;
    std::string bytes;
    EXPECT_FALSE(testreg::ReadValue(HKEY_CURRENT_USER, kSuffixes, "application/x-ombrix", &type,
                                    &bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RegisterFailureTest,
    ::testing::Values(
        // The viewer table cannot be created below a volatile Navigator key.
        FailureCase{"ViewerTableRefused",
                    [] { return testreg::CreateVolatileKey(HKEY_CURRENT_USER, kNavigator); },
                    false, false},
        // The viewer table takes no values: the first viewer write fails.
        FailureCase{"ViewerValueRefused",
                    [] {
                        return testreg::SetString(HKEY_CURRENT_USER, kViewers, "TYPE0",
                                                  "text/html") &&
                               testreg::AllowOnly(HKEY_CURRENT_USER, kViewers,
                                                  KEY_READ | KEY_CREATE_SUB_KEY);
                    },
                    false, false},
        // Everything in the viewer table is written, then the suffix table
        // cannot be created.
        FailureCase{"SuffixTableRefused",
                    [] {
                        return testreg::CreateVolatileKey(HKEY_CURRENT_USER, kNavigator) &&
                               testreg::CreateVolatileKey(HKEY_CURRENT_USER, kViewers);
                    },
                    true, false},
        // The suffix table exists but takes no value.
        FailureCase{"SuffixValueRefused",
                    [] {
                        return testreg::AllowOnly(HKEY_CURRENT_USER, kSuffixes,
                                                  KEY_READ | KEY_CREATE_SUB_KEY);
                    },
                    true, true},
        // The viewer table can be written but not read: what can't be
        // remembered is not replaced.
        FailureCase{"ViewerValueUnreadable",
                    [] {
                        return testreg::SetString(HKEY_CURRENT_USER, kViewers, "TYPE0",
                                                  "text/html") &&
                               testreg::AllowOnly(HKEY_CURRENT_USER, kViewers,
                                                  KEY_SET_VALUE | KEY_CREATE_SUB_KEY);
                    },
                    false, false}),
    CaseName());

// Setup, then removal: the viewers and suffixes setup replaced come back,
// the user's later choices stay, and the program leaves no key behind.
// "Viewers\\name" -> REG_SZ data, a value of another type, or a text that is
// not exactly one terminated string, as Stored(type, bytes).
using Values = std::map<std::string, std::string>;

const std::string kOmbrix = "C:\\Ombrix\\ombrix32.exe";
const std::string kChosenLater = "C:\\Later\\viewer.exe";

// Navigator's tables before the first setup: two viewers of other programs,
// a suffix list, and a viewer the helper never touches. No values, no
// Navigator.
Values Before() {
    return {{"Viewers\\application/zip", kOmbrix},
            {"Viewers\\x-uue", "C:\\Tools\\uudecode.exe"},
            {"Viewers\\text/html", "C:\\Web\\viewer.exe"},
            {"Suffixes\\application/x-ombrix", "zip,arj"}};
}

// The tables as setup leaves them, over the given ones.
Values Registered(Values values, const std::string& executable = ExecutablePath()) {
    for (const std::string& name : kViewerValues) values["Viewers\\" + name] = executable;
    values["Suffixes\\application/x-ombrix"] = kSuffixList;
    return values;
}

Values With(Values values, const std::string& name, const std::string& data) {
    values[name] = data;
    return values;
}

// Values of other types and text with NULs inside, none of them the helper's.
Values Typed() {
    return {{"Viewers\\application/zip", Stored(REG_EXPAND_SZ, Sz("%ProgramFiles%\\o.exe"))},
            {"Viewers\\x-uue", Stored(REG_SZ, std::string("C:\\u.exe\0-d\0", 12))},
            {"Viewers\\uuencode", Stored(REG_BINARY, std::string("\x01\0\xff", 3))},
            {"Viewers\\application/x-tar", Stored(REG_DWORD, std::string("\x2a\0\0\0", 4))},
            {"Suffixes\\application/x-ombrix",
             Stored(REG_MULTI_SZ, std::string("zip\0arj\0\0", 9))}};
}

enum class Act {
    Setup, RemoveYes, RemoveNo, UserChoosesZipViewer, RefuseViewerWrites,
    RefuseViewerMemoryReads
};

struct RemovalCase {
    const char* name;
    Values before;
    std::vector<Act> acts;
    Values after;                      // Navigator's values afterwards, TYPEn aside
    std::vector<std::string> seen;     // the texts of the removal's boxes
    bool programKeyLeft = false;
};

const std::vector<std::string> kRemoved = {kText113, kText114};

// The values of Navigator's tables in the form of Values, TYPEn aside.
Values NavigatorValues() {
    Values values;
    for (const auto& [name, stored] : testreg::Snapshot(HKEY_CURRENT_USER, kNavigator)) {
        if (stored == "key" || name.find("\\TYPE") != std::string::npos) continue;
        const std::string sz = Stored(REG_SZ, "");
        const std::string text = stored.substr(sz.size()).c_str();
        values[name] = stored == Stored(REG_SZ, Sz(text)) ? text : stored;
    }
    return values;
}

// Sets a value given in the form of Values.
bool SetNavigatorValue(const std::string& name, const std::string& data) {
    const std::string::size_type slash = name.find('\\');
    const std::string key = kNavigator + "\\" + name.substr(0, slash);
    const std::string::size_type colon = data.find(':');
    if (colon == 0 || colon == std::string::npos ||
        data.find_first_not_of("0123456789") != colon) {
        return testreg::SetString(HKEY_CURRENT_USER, key, name.substr(slash + 1), data);
    }
    return testreg::SetValue(HKEY_CURRENT_USER, key, name.substr(slash + 1),
                             std::stoul(data.substr(0, colon)), data.substr(colon + 1));
}

class RemovalTest : public RegisterViewerTest, public ::testing::WithParamInterface<RemovalCase> {};

TEST_P(RemovalTest, PutsBackWhatSetupReplacedAndLeavesNoKey) {
    const RemovalCase& c = GetParam();
    for (const auto& [name, data] : c.before) ASSERT_TRUE(SetNavigatorValue(name, data)) << name;
    // As at start-up: the read of the setting has made the program's key.
    m_app.GetSettingString(kSettingsSection, kLaunchDirValue, kDefaultFolder);

    std::vector<std::string> seen;
    for (const Act act : c.acts) {
        if (act == Act::Setup) {
            ASSERT_EQ(m_app.RegisterViewer(), CHelperApp::Registration::Done);
        } else if (act == Act::UserChoosesZipViewer) {
            ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kViewers, "application/zip",
                                           kChosenLater));
        } else if (act == Act::RefuseViewerWrites) {
            ASSERT_TRUE(testreg::AllowOnly(HKEY_CURRENT_USER, kViewers,
                                           KEY_READ | KEY_CREATE_SUB_KEY));
        } else if (act == Act::RefuseViewerMemoryReads) {
            ASSERT_TRUE(testreg::AllowOnly(HKEY_CURRENT_USER,
                                           m_app.GetAppKeyPath() + "\\Replaced\\Viewers",
                                           KEY_SET_VALUE));
        } else {
            CRobot robot;
            robot.Press(act == Act::RemoveYes ? IDYES : IDNO).Press(IDOK).Start();
            m_app.RemoveViewer();
            for (const CRobot::Seen& box : robot.Finish()) seen.push_back(box.window.Text());
        }
    }

    EXPECT_EQ(seen, c.seen);
    EXPECT_EQ(NavigatorValues(), c.after);
    EXPECT_EQ(testreg::KeyExists(HKEY_CURRENT_USER, kCompany + "\\" + m_app.m_strAppName),
              c.programKeyLeft);
    // Nothing else was in the company's key: it goes too.
    EXPECT_EQ(testreg::KeyExists(HKEY_CURRENT_USER, kCompany), c.programKeyLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Roads, RemovalTest,
    ::testing::Values(
        RemovalCase{"RememberedAndPutBack", Before(), {Act::Setup, Act::RemoveYes}, Before(),
                    kRemoved},
        RemovalCase{"SecondSetupDoesNotForget", Before(),
                    {Act::Setup, Act::Setup, Act::RemoveYes}, Before(), kRemoved},
        RemovalCase{"LaterChoiceKept", Before(),
                    {Act::Setup, Act::UserChoosesZipViewer, Act::RemoveYes},
                    With(Before(), "Viewers\\application/zip", kChosenLater), kRemoved},
        RemovalCase{"LaterChoiceRememberedByTheNextSetup", Before(),
                    {Act::Setup, Act::UserChoosesZipViewer, Act::Setup, Act::RemoveYes},
                    With(Before(), "Viewers\\application/zip", kChosenLater), kRemoved},
        RemovalCase{"NoChangesNothing", Before(), {Act::Setup, Act::RemoveNo},
                    Registered(Before()), {kText113}, true},
        RemovalCase{"WithoutSetup", Before(), {Act::RemoveYes}, Before(), kRemoved},
        RemovalCase{"WithoutNavigator", {}, {Act::RemoveYes}, {}, kRemoved},
        // A registration made from another folder names the helper too:
        // setup remembers nothing of it, and removal takes it out.
        RemovalCase{"RegisteredFromAnotherFolder",
                    Registered({{"Viewers\\text/html", "C:\\Web\\viewer.exe"}},
                               "D:\\Old Place\\" + ExecutableFileName()),
                    {Act::Setup, Act::RemoveYes},
                    {{"Viewers\\text/html", "C:\\Web\\viewer.exe"}}, kRemoved},
        // What can't be put back stays remembered for a later removal.
        RemovalCase{"WriteRefused", Before(),
                    {Act::Setup, Act::RefuseViewerWrites, Act::RemoveYes}, Registered(Before()),
                    {kText113, kText115}, true},
        RemovalCase{"TypesAndBytesPutBack", Typed(), {Act::Setup, Act::RemoveYes}, Typed(),
                    kRemoved},
        // A memory that can't be read is not "nothing remembered": the
        // helper's values stay, for a later removal to finish.
        RemovalCase{"MemoryUnreadable", Before(),
                    {Act::Setup, Act::RefuseViewerMemoryReads, Act::RemoveYes},
                    Registered(Before()), {kText113, kText115}, true}),
    CaseName());

}  // namespace
