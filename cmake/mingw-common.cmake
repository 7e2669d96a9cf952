# Shared part of the mingw-w64 (posix threads) toolchain files.
set(CMAKE_C_COMPILER ${PAKMOLE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PAKMOLE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PAKMOLE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PAKMOLE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# CTest runs the Windows test programs under Wine (the prefix comes from the environment).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
