# Cross-builds for 64-bit Windows with Debian's mingw-w64 (package
# g++-mingw-w64-x86-64-posix) and runs the programs under Wine.
set(CHKRSL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CHKRSL_MINGW_FLAGS "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
