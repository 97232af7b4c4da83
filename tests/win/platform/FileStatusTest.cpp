#include "platform/FileStatus.h"
#include "platform/PathText.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class FileStatusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CreateDirectoryA("C:\\StatusTest", nullptr);
        CreateDirectoryA("C:\\StatusTest\\Folder", nullptr);
        HANDLE file = CreateFileA("C:\\StatusTest\\data.bin", GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "12345", 5, &written, nullptr);
        CloseHandle(file);
    }
    static void TearDownTestSuite() {
        DeleteFileA("C:\\StatusTest\\data.bin");
        RemoveDirectoryA("C:\\StatusTest\\Folder");
        RemoveDirectoryA("C:\\StatusTest");
    }
};

struct StatusCase {
    const char* name;
    std::string path;
    bool found;
    BYTE attribute;
};

class FileStatusCases : public FileStatusTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(FileStatusCases, ThreeStages) {
    CFileStatus status;
    status.m_attribute = 0xEE;
    EXPECT_EQ(GetFileStatus(GetParam().path, status), GetParam().found);
    EXPECT_EQ(status.m_attribute, GetParam().found ? GetParam().attribute : 0xEE);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileStatusCases,
    ::testing::Values(StatusCase{"Folder", "C:\\StatusTest\\Folder", true, 0x10},
                      StatusCase{"FolderOtherCase", "c:\\statustest\\FOLDER", true, 0x10},
                      StatusCase{"File", "C:\\StatusTest\\data.bin", true, 0x20},
                      StatusCase{"Missing", "C:\\StatusTest\\none", false, 0},
                      StatusCase{"TrailingBackslash", "C:\\StatusTest\\Folder\\", false, 0},
                      StatusCase{"DriveRoot", "C:\\", false, 0},
                      StatusCase{"Drive", "C:", false, 0},
                      StatusCase{"MissingDrive", "Q:\\x", false, 0},
                      StatusCase{"TooLong", "C:\\" + std::string(300, 'a'), false, 0},
                      StatusCase{"Empty", "", false, 0}),
    CaseName());

TEST_F(FileStatusTest, ReportsSize) {
    CFileStatus status;
    ASSERT_TRUE(GetFileStatus("C:\\StatusTest\\data.bin", status));
    EXPECT_EQ(status.m_size, 5u);
}

TEST_F(FileStatusTest, FullPathGivesTheNamePart) {
    std::string full;
    std::string::size_type name = 0;
    ASSERT_TRUE(GetFullPath("C:\\StatusTest\\.\\Folder\\x.zip", full, name));
    EXPECT_EQ(full, "C:\\StatusTest\\Folder\\x.zip");
    EXPECT_EQ(full.substr(name), "x.zip");
    ASSERT_TRUE(GetFullPath("C:\\StatusTest\\", full, name));
    EXPECT_EQ(name, std::string::npos);
    EXPECT_FALSE(GetFullPath("C:\\" + std::string(257, 'b'), full, name));
}

}  // namespace
