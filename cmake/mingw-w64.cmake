# Cross-compiles Morvelank for Windows with MinGW-w64 in the posix thread model.
# MORVELANK_32BIT=ON builds the 32-bit program with the i686 compilers.
set(CMAKE_SYSTEM_NAME Windows)
if(MORVELANK_32BIT)
  set(MORVELANK_TRIPLET i686-w64-mingw32)
  set(CMAKE_SYSTEM_PROCESSOR x86)
else()
  set(MORVELANK_TRIPLET x86_64-w64-mingw32)
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
endif()

set(CMAKE_C_COMPILER ${MORVELANK_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVELANK_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MORVELANK_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MORVELANK_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests and generators run the built programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
