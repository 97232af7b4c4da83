// The download road under a double-byte code page (932), as on a Japanese
// system: names from URLs keep their characters, even those whose trail byte
// is a '\' or '|'. Runs only in a process whose ANSI code page is 932:
// scripts/wine-suite.sh starts it under a private Japanese locale.
#include "CaseName.h"
#include "DownloadBench.h"
#include "Known.h"
#include "Registry.h"
#include "Session.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using casename::operator<<;

constexpr char kRoot[] = "C:\\CodePageTest";
constexpr char kDownloaded[] = "PK\x03\x04 a download with a Japanese name";

std::string Path(const std::string& relative) { return std::string(kRoot) + "\\" + relative; }

struct NameCase {
    const char* name;
    std::string fileName;  // Shift-JIS bytes
};

class CodePageTest : public ::testing::TestWithParam<NameCase> {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "not under code page 932: run by scripts/wine-suite.sh";
        Clean();
        ASSERT_TRUE(CreateDirectoryA(kRoot, nullptr));
    }
    void TearDown() override { Clean(); }

    static void Clean() {
        testreg::DeleteTree(HKEY_CURRENT_USER, "Software\\Quenlock");
        testreg::DeleteTree(HKEY_CURRENT_USER, "Software\\Netscape");
        dlbench::RemoveTree(kRoot);
    }
};

TEST_P(CodePageTest, NameFromTheUrlKeepsItsCharacters) {
    const std::string temporary = Path("M1.TMP");
    const std::string kept = Path("Download\\" + GetParam().fileName);
    ASSERT_TRUE(dlbench::WriteBytes(temporary, kDownloaded));
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kSettingsKey, "LaunchDir", Path("Download")));
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, kUrlTable, temporary,
                                   "http://host/pub/" + GetParam().fileName));

    // No archive utility is registered: 105 comes after the move, and OK ends it.
    const SessionResult session = RunSession(
        Quoted(ProgramFolder() + "DARIVOVA.EXE") + " " + temporary, kRoot,
        [](std::size_t index, const probe::Window& window) {
            return index == 0 && window.Text() == kText105 && probe::Press(window.hwnd, IDOK);
        });
    ASSERT_TRUE(session.ended);
    ASSERT_EQ(session.windows.size(), 1u);
    EXPECT_EQ(dlbench::ReadBytes(kept), kDownloaded);
    EXPECT_EQ(dlbench::ReadBytes(temporary), "<missing>");
}

INSTANTIATE_TEST_SUITE_P(
    Names, CodePageTest,
    ::testing::Values(NameCase{"TrailByteBackslash", "\x83\x5C\x83\x74\x83\x67.zip"},    // ソフト
                      NameCase{"TrailByteBar", "\x83\x7C\x83\x50\x83\x62\x83\x67.zip"},  // ポケット
                      NameCase{"OnlyCharacter", "\x95\x5C.zip"}),                         // 表
    CaseName());

}  // namespace
