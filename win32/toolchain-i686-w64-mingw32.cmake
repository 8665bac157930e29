# Cross-compiling for 32-bit Windows with MinGW-w64 (Debian: g++-mingw-w64-i686).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUILL_MINGW_PREFIX i686-w64-mingw32)
# The POSIX threads flavour: std::thread and std::mutex, which the host uses, as on Linux.
set(CMAKE_C_COMPILER ${QUILL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILL_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUILL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Doubles computed in SSE2 registers, as on x86-64, not in the x87's 80-bit ones: every
# 32-bit Windows of today has SSE2, and results then round as the Linux build's do.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
