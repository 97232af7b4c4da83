#include "download/Arrival.h"
#include "CaseName.h"
#include "TextBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using casename::operator<<;

// Bytes that look random, none of them zero, the same in every run.
std::string Noise(std::size_t size, unsigned seed) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes += static_cast<char>(1 + (seed >> 16) % 255);
    }
    return bytes;
}

std::string Zeros(std::size_t size) { return std::string(size, '\0'); }

struct DownloadCase {
    const char* name;
    std::string bytes;
};

class ArrivalTest : public ::testing::TestWithParam<DownloadCase> {};

// A copy stopped after cut bytes, as each system leaves it: shorter (9x), or
// sized in full with zeros after the stop (NT). It counts as whole exactly
// when it holds the download's bytes.
TEST_P(ArrivalTest, OnlyACopyWithTheDownloadsBytesIsWhole) {
    const std::string& download = GetParam().bytes;
    CTextBytes source(download);
    CFileSample sample;
    ASSERT_TRUE(TakeSample(source, sample));

    const std::size_t size = download.size();
    for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, size / 3, size / 2 + 4097,
                                  size > 0 ? size - 1 : 0, size}) {
        if (cut > size) continue;
        const std::string shorter = download.substr(0, cut);
        const std::string sized = shorter + Zeros(size - cut);
        CTextBytes shortCopy(shorter);
        CTextBytes sizedCopy(sized);
        EXPECT_EQ(IsWholeCopy(shortCopy, sample), shorter == download) << "9x, cut " << cut;
        EXPECT_EQ(IsWholeCopy(sizedCopy, sample), sized == download) << "NT, cut " << cut;
    }
    // A copy of full size whose last data byte went wrong on the way.
    const std::string::size_type last = download.find_last_not_of('\0');
    if (last != std::string::npos) {
        std::string flipped = download;
        flipped[last] = static_cast<char>(flipped[last] ^ 1);
        CTextBytes copy(flipped);
        EXPECT_FALSE(IsWholeCopy(copy, sample));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Downloads, ArrivalTest,
    ::testing::Values(DownloadCase{"Empty", ""},
                      DownloadCase{"ThreeBytes", "abc"},
                      DownloadCase{"Compressed", Noise(100000, 1)},
                      // A tar archive ends in zero blocks, up to 10 KiB of them.
                      DownloadCase{"TarArchive", Noise(30000, 2) + Zeros(10240)},
                      DownloadCase{"ZerosInside", Noise(9000, 3) + Zeros(8192) + Noise(10, 4)},
                      DownloadCase{"OneByteThenZeros", "x" + Zeros(20000)}),
    CaseName());

TEST(ArrivalReadTest, AFileThatCantBeReadGivesNoSample) {
    class CUnreadable : public CTextBytes {
    public:
        CUnreadable() : CTextBytes(Noise(10, 5)) {}
        bool Read(std::uint64_t, std::size_t, std::string&) override { return false; }
    } file;
    CFileSample sample;
    EXPECT_FALSE(TakeSample(file, sample));
    EXPECT_FALSE(IsWholeCopy(file, {10, 0, "x"}));
}

}  // namespace
