#include "download/Arrival.h"
#include "CaseName.h"
#include "TextBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A copy stopped after cut bytes, as each system leaves it: shorter (9x,
// Wine), or sized in full with zeros after the stop (NT); or one of full size
// whose last data byte went wrong. It counts as whole exactly when it holds
// the download's bytes.
TEST_P(ArrivalTest, OnlyACopyWithTheDownloadsBytesIsWhole) {
    const std::string& download = GetParam().bytes;
    CTextBytes source(download);
    CFileSample sample;
    ASSERT_TRUE(TakeSample(source, sample));

    const std::size_t size = download.size();
    std::string flipped = download;
    const std::string::size_type last = download.find_last_not_of('\0');
    if (last != std::string::npos) flipped[last] ^= 1;
    std::vector<std::string> copies = {flipped};
    for (const std::size_t cut :
         {std::size_t{0}, std::size_t{1}, size / 3, size / 2 + 4097, size - 1, size}) {
        if (cut > size) continue;
        copies.push_back(download.substr(0, cut));
        copies.push_back(download.substr(0, cut) + Zeros(size - cut));
    }
    for (const std::string& copy : copies) {
        CTextBytes bytes(copy);
        EXPECT_EQ(IsWholeCopy(bytes, sample), copy == download)
            << copy.size() << " bytes, " << copy.find_last_not_of('\0') << " the last data";
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

}  // namespace
