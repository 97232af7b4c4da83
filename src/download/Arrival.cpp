#include "download/Arrival.h"

#include <algorithm>
#include <utility>

namespace {

// The sample's length: what the copy's last written block must match.
constexpr std::uint64_t kSampleBytes = 512;
// How far back from the end a nonzero byte is looked for, a block at a time.
constexpr std::uint64_t kZeroScanBytes = 64 * 1024;
constexpr std::uint64_t kScanBlock = 4096;

// Where the file's bytes end once its trailing zeros are left off, within
// the scanned end; the file's size when that end is all zeros.
bool EndOfData(CByteSource& file, std::uint64_t size, std::uint64_t& end) {
    const std::uint64_t floor = size > kZeroScanBytes ? size - kZeroScanBytes : 0;
    std::string block;
    for (std::uint64_t blockEnd = size; blockEnd > floor;) {
        const std::uint64_t start = std::max(floor, blockEnd - std::min(blockEnd, kScanBlock));
        if (!file.Read(start, static_cast<std::size_t>(blockEnd - start), block)) return false;
        const std::string::size_type last = block.find_last_not_of('\0');
        if (last != std::string::npos) {
            end = start + last + 1;
            return true;
        }
        blockEnd = start;
    }
    end = size;
    return true;
}

}  // namespace

bool TakeSample(CByteSource& file, CFileSample& sample) {
    std::uint64_t size = 0;
    std::uint64_t end = 0;
    if (!file.Size(size) || !EndOfData(file, size, end)) return false;
    const std::uint64_t offset = end - std::min(end, kSampleBytes);
    std::string bytes;
    if (!file.Read(offset, static_cast<std::size_t>(end - offset), bytes)) return false;
    sample.m_size = size;
    sample.m_offset = offset;
    sample.m_bytes = std::move(bytes);
    return true;
}

bool IsWholeCopy(CByteSource& copy, const CFileSample& sample) {
    std::uint64_t size = 0;
    std::string bytes;
    return copy.Size(size) && size == sample.m_size &&
           copy.Read(sample.m_offset, sample.m_bytes.size(), bytes) && bytes == sample.m_bytes;
}
