# Cross-build for Windows with MinGW-w64. The preset names the compiler:
#   MINGW_TRIPLET  x86_64-w64-mingw32 or i686-w64-mingw32
#   MINGW_THREADS  win32 for the program as shipped: the system's own threads,
#                  so nothing links libwinpthread, whose imports
#                  (GetTickCount64, AddVectoredExceptionHandler, ...) older
#                  Windows lacks; posix for the test bench, as GoogleTest needs
#                  std::mutex and everything in one test program shares one
#                  thread model.
if(NOT MINGW_TRIPLET OR NOT MINGW_THREADS)
  message(FATAL_ERROR "toolchain-mingw.cmake: the preset sets MINGW_TRIPLET and MINGW_THREADS")
endif()
# The try_compile projects CMake configures see the same compiler.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MINGW_TRIPLET MINGW_THREADS)

set(CMAKE_SYSTEM_NAME Windows)
if(MINGW_TRIPLET MATCHES "^x86_64-")
  set(CMAKE_SYSTEM_PROCESSOR x86_64)
elseif(MINGW_TRIPLET MATCHES "^i[3-6]86-")
  set(CMAKE_SYSTEM_PROCESSOR x86)
else()
  message(FATAL_ERROR "toolchain-mingw.cmake: no processor known for ${MINGW_TRIPLET}")
endif()

set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-${MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-${MINGW_THREADS})
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
