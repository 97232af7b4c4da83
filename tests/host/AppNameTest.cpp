#include "platform/ModuleNames.h"

#include <gtest/gtest.h>

namespace {

struct AppNameCase {
    const char* path;
    const char* name;
};

class AppNameTest : public ::testing::TestWithParam<AppNameCase> {};

TEST_P(AppNameTest, BaseNameWithoutExtension) {
    EXPECT_EQ(AppNameFromModulePath(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AppNameTest,
    ::testing::Values(AppNameCase{"C:\\TOOLS\\DARIVOVA.EXE", "DARIVOVA"},
                      AppNameCase{"Z:\\work\\build\\bin\\darivova.exe", "darivova"},
                      AppNameCase{"C:\\a\\Helper.Beta.exe", "Helper.Beta"},
                      AppNameCase{"C:DARIVOVA.EXE", "DARIVOVA"},
                      AppNameCase{"/unix/style/Tool.exe", "Tool"},
                      AppNameCase{"DARIVOVA.EXE", "DARIVOVA"},
                      AppNameCase{"C:\\v1.2\\tool", "tool"},
                      AppNameCase{"C:\\dir\\", ""},
                      AppNameCase{"", ""}));

}  // namespace
