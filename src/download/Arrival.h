#pragma once
#include "platform/ByteSource.h"

#include <cstdint>
#include <string>

// What a copy must share with the download, read from the download at the
// hand-over, to count as arrived whole: its size, and its bytes up to its
// last nonzero byte. Copies write front to back; a copy that stopped
// part-way lacks what comes after the stop, whether the system made the
// file shorter (Windows 9x) or sized it in full and left zeros (NT), and
// beyond the last nonzero byte the download itself holds only zeros. Size
// and time alone can't tell: NT and Wine stamp a partial copy with the
// source's time.
struct CFileSample {
    std::uint64_t m_size = 0;
    std::uint64_t m_offset = 0;  // where m_bytes start
    std::string m_bytes;
};

// Reads the sample of a file. The last nonzero byte is looked for within the
// file's last 64 KiB (a tar archive ends in up to 10 KiB of zeros); a file
// whose last 64 KiB are all zeros is sampled at its end. False when the
// file can't be read.
bool TakeSample(CByteSource& file, CFileSample& sample);

// Whether a copy holds the sample: the same size, and the same bytes where
// the sample was read. False when it can't be read.
bool IsWholeCopy(CByteSource& copy, const CFileSample& sample);
