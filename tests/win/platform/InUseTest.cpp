// A file another holder has open without sharing, as a virus scanner holds a
// file that has just arrived: a rename waits for it, for a while.
#include "platform/Handle.h"
#include "platform/Rename.h"

#include "CaseName.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

using casename::operator<<;

const std::string kFile = "C:\\InUseTest\\new.zip";
const std::string kRenamed = "C:\\InUseTest\\tools.zip";

struct InUseCase {
    const char* name;
    DWORD heldMs;      // how long the other holder keeps the file
    DWORD patienceMs;  // how long the rename waits
    DWORD error;
};

class InUseTest : public ::testing::TestWithParam<InUseCase> {
protected:
    void SetUp() override { testfs::RemoveTree("C:\\InUseTest"); }
    void TearDown() override { testfs::RemoveTree("C:\\InUseTest"); }
};

TEST_P(InUseTest, RenameWaitsForTheHolder) {
    ASSERT_TRUE(CreateDirectoryA("C:\\InUseTest", nullptr));
    ASSERT_TRUE(testfs::WriteBytes(kFile, "PK\x03\x04"));
    CHandle held(CreateFileA(kFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held.IsValid());
    std::thread release([&] {
        Sleep(GetParam().heldMs);
        held.Reset();
    });
    const DWORD error = RenameFile(kFile, kRenamed, GetParam().patienceMs);
    release.join();
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(testfs::Exists(kRenamed), error == ERROR_SUCCESS);
}

INSTANTIATE_TEST_SUITE_P(
    Holders, InUseTest,
    ::testing::Values(InUseCase{"BrieflyHeld", 300, 2000, ERROR_SUCCESS},
                      InUseCase{"HeldLongerThanThePatience", 1000, 300, ERROR_SHARING_VIOLATION}),
    CaseName());

}  // namespace
