# Shared by the two mingw-w64 toolchain files; TOOLCHAIN_PREFIX names the target triple.
set(CMAKE_SYSTEM_NAME Windows)

foreach(tool gcc g++ windres)
  find_program(found_${tool} ${TOOLCHAIN_PREFIX}-${tool})
  if(NOT found_${tool})
    message(FATAL_ERROR "${TOOLCHAIN_PREFIX}-${tool} not found: install the mingw-w64 cross compilers "
                        "(apt-get install g++-mingw-w64-i686 g++-mingw-w64-x86-64)")
  endif()
endforeach()

set(CMAKE_C_COMPILER ${found_gcc})
set(CMAKE_CXX_COMPILER ${found_g++})
set(CMAKE_RC_COMPILER ${found_windres})

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
