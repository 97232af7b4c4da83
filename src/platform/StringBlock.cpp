#include "platform/StringBlock.h"

namespace {

constexpr unsigned kStringsPerBlock = 16;

// Little-endian, whatever the alignment of the block.
std::size_t UnitAt(const unsigned char* block, std::size_t unit) {
    return block[2 * unit] | static_cast<std::size_t>(block[2 * unit + 1]) << 8;
}

}  // namespace

bool FindStringInBlock(const unsigned char* block, std::size_t size, unsigned index,
                       CStringSpan& span) {
    if (block == nullptr || index >= kStringsPerBlock) return false;
    const std::size_t units = size / 2;
    std::size_t unit = 0;
    for (unsigned i = 0;; ++i) {
        if (unit >= units) return false;
        const std::size_t length = UnitAt(block, unit);
        ++unit;
        if (length > units - unit) return false;
        if (i == index) {
            span.offset = unit;
            span.length = length;
            return true;
        }
        unit += length;
    }
}
