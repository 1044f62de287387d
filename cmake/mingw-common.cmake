# Debian's -posix MinGW compilers (std::thread and friends need the posix thread model).
set(CMAKE_C_COMPILER ${TARVIO_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVIO_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVIO_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TARVIO_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Everything linked in, so the programs need nothing but Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
