// The memory and string functions that the program's code and the compiler
// call, in place of the C runtime's: byte by byte, small and plain. The
// program copies paths and short texts, never enough for speed to matter.
//
// This file is compiled without the compiler's knowledge of these functions
// (see CMakeLists.txt): otherwise it would take a loop here for a copy or a
// fill and call memcpy or memset from within memcpy or memset.
#include <cstddef>

using std::size_t;

extern "C" {

void* memcpy(void* target, const void* source, size_t count) {
    auto* to = static_cast<unsigned char*>(target);
    const auto* from = static_cast<const unsigned char*>(source);
    while (count-- != 0) *to++ = *from++;
    return target;
}

void* memmove(void* target, const void* source, size_t count) {
    auto* to = static_cast<unsigned char*>(target);
    const auto* from = static_cast<const unsigned char*>(source);
    if (to < from) {
        while (count-- != 0) *to++ = *from++;
    } else {
        // Backwards, so that an overlapping source is read before it is written.
        while (count != 0) {
            --count;
            to[count] = from[count];
        }
    }
    return target;
}

void* memset(void* target, int value, size_t count) {
    auto* to = static_cast<unsigned char*>(target);
    while (count-- != 0) *to++ = static_cast<unsigned char>(value);
    return target;
}

int memcmp(const void* first, const void* second, size_t count) {
    const auto* a = static_cast<const unsigned char*>(first);
    const auto* b = static_cast<const unsigned char*>(second);
    for (; count != 0; --count, ++a, ++b) {
        if (*a != *b) return *a < *b ? -1 : 1;
    }
    return 0;
}

void* memchr(const void* block, int value, size_t count) {
    const auto* p = static_cast<const unsigned char*>(block);
    for (; count != 0; --count, ++p) {
        if (*p == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(p);
    }
    return nullptr;
}

size_t strlen(const char* text) {
    const char* end = text;
    while (*end != '\0') ++end;
    return static_cast<size_t>(end - text);
}

char* strchr(const char* text, int value) {
    // The terminating null counts as part of the text: strchr(s, 0) finds it.
    for (;; ++text) {
        if (*text == static_cast<char>(value)) return const_cast<char*>(text);
        if (*text == '\0') return nullptr;
    }
}

}  // extern "C"
