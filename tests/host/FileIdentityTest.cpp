#include "platform/FileIdentity.h"
#include "CaseName.h"

#include <gtest/gtest.h>

namespace {

// The browser's file as recorded at the hand-over: 5 bytes, written at time
// 100, index 7 on volume 0x1234.
constexpr CFileIdentity kRecorded = {5, 100, 0x1234, 7};

struct IdentityCase {
    const char* name;
    CFileIdentity now;
    bool same;
};

class IdentityTest : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(IdentityTest, OnlyTheUnchangedFileIsTheRecordedOne) {
    EXPECT_EQ(IsSameIdentity(kRecorded, GetParam().now), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IdentityTest,
    ::testing::Values(IdentityCase{"Unchanged", {5, 100, 0x1234, 7}, true},
                      IdentityCase{"Resized", {6, 100, 0x1234, 7}, false},
                      IdentityCase{"Rewritten", {5, 101, 0x1234, 7}, false},
                      // A new file of the same size and time under the name.
                      IdentityCase{"OtherIndex", {5, 100, 0x1234, 8}, false},
                      IdentityCase{"OtherVolume", {5, 100, 0x4321, 7}, false},
                      // Where the system reports no index, size and time decide.
                      IdentityCase{"NoIndexNow", {5, 100, 0x1234, 0}, true},
                      IdentityCase{"NoVolumeNow", {5, 100, 0, 8}, true},
                      IdentityCase{"NoIndexNowRewritten", {5, 99, 0, 0}, false}),
    CaseName());

}  // namespace
