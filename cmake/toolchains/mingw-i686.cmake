# Cross-builds for 32-bit Windows with Debian's mingw-w64 (package
# g++-mingw-w64-i686-posix) and runs the programs under Wine:
#   cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-i686.cmake
set(CHKRSL_MINGW_TRIPLE i686-w64-mingw32)
# SSE2 arithmetic, as MSVC does for x86: the x87 unit's 80-bit registers
# would round some stored doubles differently from every other build.
set(CHKRSL_MINGW_FLAGS "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
