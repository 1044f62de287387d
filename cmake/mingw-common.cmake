# Debian's win32 thread model MinGW compilers: the posix model's runtime (libwinpthread)
# imports functions of Vista and XP, which older loaders refuse; the program starts no thread.
set(CMAKE_C_COMPILER ${TARVIO_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TARVIO_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${TARVIO_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TARVIO_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Everything linked in, so the programs need nothing but Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
