#include "app/HelperApp.h"
#include "app/Settings.h"
#include "platform/Module.h"

#include "CaseName.h"
#include "Registry.h"
#include "RegistryExtras.h"

#include <gtest/gtest.h>

namespace {

// The settings of this test program: its application name is its own.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.InitApplication(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        app.SetCompanyKey(kCompanyKey);
        companyKey = "Software\\Quenlock";
        sectionKey = companyKey + "\\" + app.m_strAppName + "\\Settings";
        testreg::DeleteTree(HKEY_CURRENT_USER, companyKey);
    }
    void TearDown() override { testreg::DeleteTree(HKEY_CURRENT_USER, companyKey); }

    std::string Read() const {
        return app.GetSettingString(kSettingsSection, kLaunchDirValue, kDefaultFolder);
    }

    CHelperApp app;
    std::string companyKey;
    std::string sectionKey;
};

TEST_F(SettingsTest, ApplicationNameIsTheExecutableBaseName) {
    EXPECT_EQ(app.m_strAppName, "win_app_tests");
    EXPECT_EQ(app.m_strProfileName, app.m_strAppName);
}

TEST_F(SettingsTest, FirstReadGivesTheDefaultAndLeavesTheKeysWithoutAValue) {
    EXPECT_EQ(Read(), "C:\\Download");
    EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, sectionKey));
    EXPECT_FALSE(testreg::ReadValue(HKEY_CURRENT_USER, sectionKey, kLaunchDirValue, nullptr, nullptr));
}

struct StoredCase {
    const char* name;
    DWORD type;
    std::string bytes;
    std::string read;
};

class StoredValueTest : public SettingsTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredValueTest, ReadsTheStoredBytesUpToTheFirstZero) {
    const StoredCase& c = GetParam();
    ASSERT_TRUE(testreg::SetValue(HKEY_CURRENT_USER, sectionKey, kLaunchDirValue, c.type, c.bytes));
    EXPECT_EQ(Read(), c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredValueTest,
    ::testing::Values(
        StoredCase{"Folder", REG_SZ, std::string("D:\\Archives\0", 12), "D:\\Archives"},
        StoredCase{"Empty", REG_SZ, std::string("\0", 1), ""},
        StoredCase{"NoBytesAtAll", REG_SZ, std::string(), ""},
        StoredCase{"WithoutTerminator", REG_SZ, "C:\\NoNul", "C:\\NoNul"},
        StoredCase{"Dword", REG_DWORD, std::string("AB\0C", 4), "AB"},
        StoredCase{"DwordZeroFirst", REG_DWORD, std::string("\0ABC", 4), ""},
        StoredCase{"ExpandString", REG_EXPAND_SZ, std::string("%TEMP%\0", 7), "%TEMP%"},
        StoredCase{"Long", REG_SZ, "C:\\" + std::string(297, 'x') + std::string(1, '\0'),
                   "C:\\" + std::string(297, 'x')},
        StoredCase{"Longer", REG_SZ, std::string(5000, 'y') + std::string(1, '\0'),
                   std::string(5000, 'y')}),
    CaseName());

// Where the user may only read the settings (a restricted token on NT), the
// keys can't be opened for writing; the stored folder still reads.
TEST_F(SettingsTest, StoredFolderReadsWithReadAccessOnly) {
    ASSERT_TRUE(testreg::SetString(HKEY_CURRENT_USER, sectionKey, kLaunchDirValue, "D:\\Mine"));
    ASSERT_TRUE(testreg::AllowOnly(HKEY_CURRENT_USER, companyKey, KEY_READ));
    ASSERT_TRUE(testreg::AllowOnly(HKEY_CURRENT_USER, sectionKey, KEY_READ));
    EXPECT_FALSE(app.WriteSettingString(kSettingsSection, kLaunchDirValue, "D:\\Other"));
    EXPECT_EQ(Read(), "D:\\Mine");
}

TEST_F(SettingsTest, WriteStoresRegSzWithItsTerminator) {
    EXPECT_TRUE(app.WriteSettingString(kSettingsSection, kLaunchDirValue, "C:\\Archive"));
    EXPECT_TRUE(app.WriteSettingString(kSettingsSection, kLaunchDirValue, "C:\\Download"));
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(testreg::ReadValue(HKEY_CURRENT_USER, sectionKey, kLaunchDirValue, &type, &bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, std::string("C:\\Download\0", 12));
    EXPECT_EQ(Read(), "C:\\Download");
}

TEST_F(SettingsTest, AWrittenLongFolderReadsBackWhole) {
    const std::string folder = "C:\\" + std::string(400, 'f');
    EXPECT_TRUE(app.WriteSettingString(kSettingsSection, kLaunchDirValue, folder));
    EXPECT_EQ(Read(), folder);
}

TEST_F(SettingsTest, AnotherApplicationNameUsesAnotherKey) {
    EXPECT_TRUE(app.WriteSettingString(kSettingsSection, kLaunchDirValue, "C:\\Mine"));
    CHelperApp renamed;
    renamed.m_strAppName = "RENAMED";
    renamed.SetCompanyKey(kCompanyKey);
    EXPECT_EQ(renamed.GetSettingString(kSettingsSection, kLaunchDirValue, kDefaultFolder),
              "C:\\Download");
    EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, companyKey + "\\RENAMED\\Settings"));
}

}  // namespace
