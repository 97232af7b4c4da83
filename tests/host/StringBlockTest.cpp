#include "platform/StringBlock.h"
#include "CaseName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A block as the resource compiler writes it: sixteen counted strings, as
// 16-bit little-endian units; the texts here are ASCII.
std::vector<unsigned char> Block(const std::vector<std::string>& texts) {
    std::vector<unsigned char> bytes;
    const auto unit = [&](unsigned value) {
        bytes.push_back(static_cast<unsigned char>(value & 0xFF));
        bytes.push_back(static_cast<unsigned char>(value >> 8));
    };
    for (std::size_t i = 0; i < 16; ++i) {
        const std::string text = i < texts.size() ? texts[i] : std::string();
        unit(static_cast<unsigned>(text.size()));
        for (char c : text) unit(static_cast<unsigned char>(c));
    }
    return bytes;
}

struct BlockCase {
    const char* name;
    std::vector<unsigned char> block;
    unsigned index;
    bool found;
    std::size_t offset;
    std::size_t length;
};

class StringBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(StringBlockTest, FindsTheStringOrRefuses) {
    const BlockCase& c = GetParam();
    CStringSpan span{99, 99};
    ASSERT_EQ(FindStringInBlock(c.block.data(), c.block.size(), c.index, span), c.found);
    EXPECT_EQ(span.offset, c.found ? c.offset : 99u);
    EXPECT_EQ(span.length, c.found ? c.length : 99u);
}

// Ids 105..111 share one block: 96..111, so 105 is its tenth string.
const std::vector<unsigned char> kCatalogue = Block(
    {"", "", "", "", "", "", "", "", "", "Unable", "", "", "", "", "Can't", "Source"});
const std::vector<unsigned char> kLong = Block({std::string(5000, 'x'), "after"});
std::vector<unsigned char> Cut(std::vector<unsigned char> block, std::size_t size) {
    block.resize(size);
    return block;
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, StringBlockTest,
    ::testing::Values(
        BlockCase{"First", Block({"About"}), 0, true, 1, 5},
        BlockCase{"AfterEmptyOnes", kCatalogue, 9, true, 10, 6},
        BlockCase{"Last", kCatalogue, 15, true, 27, 6},
        BlockCase{"Absent", kCatalogue, 3, true, 4, 0},
        // Texts are not cut at any buffer length.
        BlockCase{"LongText", kLong, 0, true, 1, 5000},
        BlockCase{"AfterALongText", kLong, 1, true, 5002, 5},
        BlockCase{"IndexBeyondBlock", kCatalogue, 16, false, 0, 0},
        // A damaged block never leads the reader outside it.
        BlockCase{"TextCutShort", Cut(Block({"About"}), 8), 0, false, 0, 0},
        BlockCase{"LengthCutInHalf", Cut(Block({"About"}), 1), 0, false, 0, 0},
        BlockCase{"EndsBeforeTheIndex", Cut(kCatalogue, 20), 15, false, 0, 0},
        BlockCase{"Empty", {}, 0, false, 0, 0}),
    CaseName());

}  // namespace
