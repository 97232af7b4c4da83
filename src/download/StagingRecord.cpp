#include "download/StagingRecord.h"

#include <cstdint>
#include <string_view>

namespace {

constexpr char kFirstLine[] = "DARIVOVA staging record 1";
constexpr char kLastLine[] = "end";
constexpr char kDigits[] = "0123456789abcdef";

std::string Hex(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool FromHex(std::string_view text, std::string& bytes) {
    if (text.size() % 2 != 0) return false;
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

// Numbers in hex too: the program has no 64-bit division on x86.
std::string HexNumber(std::uint64_t number) {
    std::string text;
    do {
        text.insert(text.begin(), kDigits[number & 0xF]);
        number >>= 4;
    } while (number != 0);
    return text;
}

bool FromHexNumber(std::string_view text, std::uint64_t& number) {
    if (text.empty() || text.size() > 16) return false;
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return false;
        value = (value << 4) | static_cast<unsigned>(digit);
    }
    number = value;
    return true;
}

// Takes the next line, without its CR LF, off text; false when no line ends so.
bool NextLine(std::string_view& text, std::string_view& line) {
    const std::string_view::size_type end = text.find("\r\n");
    if (end == std::string_view::npos) return false;
    line = text.substr(0, end);
    text.remove_prefix(end + 2);
    return true;
}

// Takes the next line off text when it is "key=value", giving its value.
bool NextValue(std::string_view& text, std::string_view key, std::string_view& value) {
    std::string_view line;
    if (!NextLine(text, line) || line.size() <= key.size() || line.substr(0, key.size()) != key ||
        line[key.size()] != '=') {
        return false;
    }
    value = line.substr(key.size() + 1);
    return true;
}

}  // namespace

std::string FormatStagingRecord(const CStagingRecord& record) {
    const CFileSample& sample = record.m_sample;
    const std::string lines[] = {kFirstLine,
                                 "folder=" + record.m_strFolder,
                                 "name=" + record.m_strName,
                                 "source=" + record.m_strSource,
                                 "size=" + HexNumber(sample.m_size),
                                 "offset=" + HexNumber(sample.m_offset),
                                 "sample=" + Hex(sample.m_bytes),
                                 kLastLine};
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

bool ParseStagingRecord(const std::string& text, CStagingRecord& record) {
    std::string_view rest = text;
    std::string_view first, folder, name, source, size, offset, sample, last;
    CStagingRecord read;
    if (!NextLine(rest, first) || first != kFirstLine || !NextValue(rest, "folder", folder) ||
        !NextValue(rest, "name", name) || !NextValue(rest, "source", source) ||
        !NextValue(rest, "size", size) || !NextValue(rest, "offset", offset) ||
        !NextValue(rest, "sample", sample) || !NextLine(rest, last) || last != kLastLine ||
        !rest.empty() || !FromHexNumber(size, read.m_sample.m_size) ||
        !FromHexNumber(offset, read.m_sample.m_offset) || !FromHex(sample, read.m_sample.m_bytes)) {
        return false;
    }
    read.m_strFolder = std::string(folder);
    read.m_strName = std::string(name);
    read.m_strSource = std::string(source);
    record = std::move(read);
    return true;
}
