// The global allocation functions, on the C runtime's heap (MSVCRT.DLL's).
// Running out of memory ends the program (FatalEnd): nothing in it could
// carry on without the text it was building.
#include "platform/runtime/FatalEnd.h"

#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    // Every allocation, even of zero bytes, is a distinct object.
    void* block = std::malloc(size != 0 ? size : 1);
    if (block == nullptr) FatalEnd();
    return block;
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
