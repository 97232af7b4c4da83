// The command-line tail: a pointer into the command line, behind the program
// name and the blanks after it.
#include "platform/CommandLine.h"
#include "LeadBytes.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The platform hands over a NUL-terminated text.
    const std::string line(reinterpret_cast<const char*>(data), size);
    const char* text = line.c_str();
    const std::size_t length = std::strlen(text);

    for (IsLeadByteFn isLeadByte : kCodePages) {
        const char* tail = CommandLineTail(text, isLeadByte);
        // Inside the text, at its end at the latest.
        if (tail < text || tail > text + length) std::abort();
        // It starts with no blank or control character.
        const unsigned char first = static_cast<unsigned char>(*tail);
        if (first >= 1 && first <= 32) std::abort();
        // An unquoted name holds no character of code 32 or less.
        if (text[0] != '"') {
            const char* p = text;
            while (static_cast<unsigned char>(*p) > 32) ++p;
            for (const char* q = p; q < tail; ++q) {
                if (static_cast<unsigned char>(*q) > 32) std::abort();
            }
        }
    }
    // Single-byte: a quoted name ends at the first quote after the opening one.
    if (text[0] == '"') {
        const char* close = std::strchr(text + 1, '"');
        const char* tail = CommandLineTail(text, NoLeadBytes);
        const char* nameEnd = close != nullptr ? close + 1 : text + length;
        if (tail < nameEnd) std::abort();
        for (const char* q = nameEnd; q < tail; ++q) {
            if (static_cast<unsigned char>(*q) > 32) std::abort();
        }
    }
    return 0;
}
