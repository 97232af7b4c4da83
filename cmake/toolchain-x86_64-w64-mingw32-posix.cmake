# The test bench for 64-bit Windows: GoogleTest needs std::mutex, which only
# the -posix compilers (POSIX thread model) have. Everything linked into one
# test program uses this one thread model.
set(MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-x86_64-w64-mingw32.cmake)
