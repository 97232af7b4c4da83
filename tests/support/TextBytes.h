#pragma once
// A file's bytes held in memory, read as the program reads a file.
#include "platform/ByteSource.h"

#include <utility>

class CTextBytes : public CByteSource {
public:
    explicit CTextBytes(std::string bytes) : m_bytes(std::move(bytes)) {}
    bool Size(std::uint64_t& size) override {
        size = m_bytes.size();
        return true;
    }
    bool Read(std::uint64_t offset, std::size_t length, std::string& bytes) override {
        if (offset > m_bytes.size() || length > m_bytes.size() - offset) return false;
        bytes = m_bytes.substr(static_cast<std::size_t>(offset), length);
        return true;
    }

private:
    std::string m_bytes;
};
