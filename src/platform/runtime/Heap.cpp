// The global allocation functions, on the process heap: KERNEL32 has it on
// every system the program runs on, where the C runtime's DLL is missing from
// the first Windows 95. Running out of memory ends the program (FatalEnd):
// nothing in it could carry on without the text it was building.
#include "platform/Win.h"
#include "platform/runtime/FatalEnd.h"

#include <new>

void* operator new(std::size_t size) {
    // Every allocation, even of zero bytes, is a distinct object.
    void* block = HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
    if (block == nullptr) FatalEnd();
    return block;
}

void operator delete(void* block) noexcept {
    // HeapFree is not promised to accept a null pointer.
    if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}
