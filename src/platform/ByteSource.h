#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The bytes of one file, read where asked: the file itself in the program
// (CFileBytes), a text in the host's tests.
class CByteSource {
public:
    virtual ~CByteSource() = default;
    // The file's size; false when it can't be told.
    virtual bool Size(std::uint64_t& size) = 0;
    // Exactly length bytes from offset; false when they can't all be read.
    virtual bool Read(std::uint64_t offset, std::size_t length, std::string& bytes) = 0;
};
