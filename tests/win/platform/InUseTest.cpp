// A file another holder has open without sharing, as a virus scanner holds a
// file that has just arrived: renames and reads wait for it, for a while.
#include "platform/FileBytes.h"
#include "platform/Handle.h"
#include "platform/Rename.h"

#include "CaseName.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

using casename::operator<<;

constexpr char kFolder[] = "C:\\InUseTest";
const std::string kFile = std::string(kFolder) + "\\new.zip";
const std::string kRenamed = std::string(kFolder) + "\\tools.zip";
constexpr DWORD kHeldForEver = INFINITE;

struct InUseCase {
    const char* name;
    DWORD heldMs;      // how long the other holder keeps the file
    DWORD patienceMs;  // how long the program waits
    bool done;
};

class InUseTest : public ::testing::TestWithParam<InUseCase> {
protected:
    void SetUp() override {
        testfs::RemoveTree(kFolder);
        ASSERT_TRUE(CreateDirectoryA(kFolder, nullptr));
        ASSERT_TRUE(testfs::WriteBytes(kFile, "PK\x03\x04"));
        m_held = CHandle(
            CreateFileA(kFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(m_held.IsValid());
        if (GetParam().heldMs != kHeldForEver) {
            m_release = std::thread([this] {
                Sleep(GetParam().heldMs);
                m_held.Reset();
            });
        }
    }
    void TearDown() override {
        if (m_release.joinable()) m_release.join();
        m_held.Reset();
        testfs::RemoveTree(kFolder);
    }

    CHandle m_held;
    std::thread m_release;
};

TEST_P(InUseTest, RenameWaitsForTheHolder) {
    const DWORD error = RenameFile(kFile, kRenamed, GetParam().patienceMs);
    EXPECT_EQ(error, GetParam().done ? DWORD{ERROR_SUCCESS} : DWORD{ERROR_SHARING_VIOLATION});
    EXPECT_EQ(testfs::Exists(kRenamed), GetParam().done);
}

TEST_P(InUseTest, ReadWaitsForTheHolder) {
    CFileBytes bytes(kFile, GetParam().patienceMs);
    EXPECT_EQ(bytes.IsOpen(), GetParam().done);
    if (!GetParam().done) {
        EXPECT_EQ(bytes.Error(), DWORD{ERROR_SHARING_VIOLATION});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Holders, InUseTest,
    ::testing::Values(InUseCase{"BrieflyHeld", 300, 2000, true},
                      InUseCase{"HeldLongerThanThePatience", kHeldForEver, 300, false},
                      InUseCase{"NoPatience", 300, 0, false}),
    CaseName());

}  // namespace
