#include "download/Arrival.h"

#include <algorithm>
#include <utility>

namespace {

// The sample's length: what the copy's last written block must match.
constexpr std::uint64_t kSampleBytes = 512;
// How far back from the end a nonzero byte is looked for.
constexpr std::uint64_t kZeroScanBytes = 64 * 1024;

}  // namespace

bool TakeSample(CByteSource& file, CFileSample& sample) {
    std::uint64_t size = 0;
    std::string bytes;
    if (!file.Size(size)) return false;
    // Where the data ends once trailing zeros are left off; the file's end
    // when its scanned end is all zeros.
    const std::uint64_t scanned = std::min(size, kZeroScanBytes);
    if (!file.Read(size - scanned, static_cast<std::size_t>(scanned), bytes)) return false;
    const std::string::size_type last = bytes.find_last_not_of('\0');
    const std::uint64_t end = last == std::string::npos ? size : size - scanned + last + 1;
    const std::uint64_t offset = end - std::min(end, kSampleBytes);
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
