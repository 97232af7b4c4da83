#include "download/StagingRecord.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr char kMagic[] = "DARIVOVA staging record 1\r\n";
constexpr std::size_t kMagicLength = sizeof kMagic - 1;

// After the first line: the sample's numbers and the lengths of the texts
// that follow, in the order of Fields.
struct CHeader {
    std::uint64_t m_size;
    std::uint64_t m_offset;
    std::uint32_t m_lengths[4];
};
constexpr std::size_t kTextsStart = kMagicLength + sizeof(CHeader);

template <class Record, class Text>
void Fields(Record& record, Text* (&fields)[4]) {
    fields[0] = &record.m_strFolder;
    fields[1] = &record.m_strName;
    fields[2] = &record.m_strSource;
    fields[3] = &record.m_sample.m_bytes;
}

}  // namespace

std::string FormatStagingRecord(const CStagingRecord& record) {
    const std::string* fields[4];
    Fields(record, fields);
    CHeader header = {record.m_sample.m_size, record.m_sample.m_offset, {}};
    for (int i = 0; i < 4; ++i) header.m_lengths[i] = static_cast<std::uint32_t>(fields[i]->size());
    std::string text(kMagic, kMagicLength);
    text.append(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string* field : fields) text += *field;
    return text;
}

bool ParseStagingRecord(const std::string& text, CStagingRecord& record) {
    if (text.size() < kTextsStart || std::memcmp(text.data(), kMagic, kMagicLength) != 0) {
        return false;
    }
    CHeader header;
    std::memcpy(&header, text.data() + kMagicLength, sizeof header);
    std::uint64_t end = kTextsStart;
    for (const std::uint32_t length : header.m_lengths) end += length;
    // A record cut short, or followed by more, is no record.
    if (end != text.size()) return false;

    std::string* fields[4];
    Fields(record, fields);
    const char* at = text.data() + kTextsStart;
    for (int i = 0; i < 4; ++i) {
        fields[i]->assign(at, header.m_lengths[i]);
        at += header.m_lengths[i];
    }
    record.m_sample.m_size = header.m_size;
    record.m_sample.m_offset = header.m_offset;
    return true;
}
