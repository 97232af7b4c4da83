// A file another holder has open without sharing, as a virus scanner holds a
// file that has just arrived: a rename waits for it, for a while.
#include "platform/Handle.h"
#include "platform/Rename.h"

#include "CaseName.h"
#include "Files.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using casename::operator<<;

struct InUseCase {
    const char* name;
    DWORD heldMs;      // how long the other holder keeps the file
    DWORD patienceMs;  // how long the rename waits
    DWORD error;
};

class InUseTest : public ::testing::TestWithParam<InUseCase> {
protected:
    void TearDown() override { testfs::RemoveTree("C:\\InUseTest"); }
};

TEST_P(InUseTest, RenameWaitsForTheHolder) {
    ASSERT_TRUE(CreateDirectoryA("C:\\InUseTest", nullptr));
    ASSERT_TRUE(testfs::WriteBytes("C:\\InUseTest\\new.zip", "PK"));
    CHandle held(CreateFileA("C:\\InUseTest\\new.zip", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                             nullptr));
    std::thread release([&] {
        Sleep(GetParam().heldMs);
        held.Reset();
    });
    const DWORD error =
        RenameFile("C:\\InUseTest\\new.zip", "C:\\InUseTest\\tools.zip", GetParam().patienceMs);
    release.join();
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(testfs::Exists("C:\\InUseTest\\tools.zip"), error == ERROR_SUCCESS);
}

INSTANTIATE_TEST_SUITE_P(
    Holders, InUseTest,
    ::testing::Values(InUseCase{"BrieflyHeld", 300, 2000, ERROR_SUCCESS},
                      InUseCase{"HeldLongerThanThePatience", 1000, 300, ERROR_SHARING_VIOLATION}),
    CaseName());

}  // namespace
