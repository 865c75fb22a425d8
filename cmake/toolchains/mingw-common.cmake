# Shared part of the mingw-w64 toolchain files; CHKRSL_MINGW_TRIPLE and
# CHKRSL_MINGW_FLAGS come from the file that includes this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${CHKRSL_MINGW_TRIPLE})

# The -posix thread variant: GoogleTest needs std::mutex.
find_program(CMAKE_C_COMPILER NAMES ${CHKRSL_MINGW_TRIPLE}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${CHKRSL_MINGW_TRIPLE}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${CHKRSL_MINGW_TRIPLE}-windres)
# CHKRSL_MINGW_DEPS: a prefix of libraries built for the target (GoogleTest)
# and of the header-only packages the tool uses.
set(CMAKE_FIND_ROOT_PATH /usr/${CHKRSL_MINGW_TRIPLE} ${CHKRSL_MINGW_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_C_FLAGS_INIT "${CHKRSL_MINGW_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${CHKRSL_MINGW_FLAGS}")
# Programs and the DLL carry their runtime, so Wine (or a host) needs no
# MinGW DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# Debian's `wine` starts the 32-bit loader when wine32 is installed, so
# 64-bit programs go straight to wine64.
if(CHKRSL_MINGW_TRIPLE MATCHES "^x86_64")
  find_program(CHKRSL_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
endif()
find_program(CHKRSL_WINE NAMES wine)
if(CHKRSL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CHKRSL_WINE})
endif()
