# Cross build of the whole program for 64-bit Windows: MinGW-w64 as in mingw-w64.cmake, plus a
# Qt built for Windows, whose folder ZELMARINO_WINDOWS_QT names. The toolchain looks for
# packages only below its roots, so that folder becomes one. Qt's host tools (moc, rcc, uic)
# are the build machine's Qt's.
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")

if(NOT ZELMARINO_WINDOWS_QT)
    message(FATAL_ERROR "Name the Qt built for Windows: -DZELMARINO_WINDOWS_QT=<folder>")
endif()
# The compiler checks run in projects of their own, which see only the variables listed here.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZELMARINO_WINDOWS_QT)
list(APPEND CMAKE_FIND_ROOT_PATH "${ZELMARINO_WINDOWS_QT}")
list(APPEND CMAKE_PREFIX_PATH "${ZELMARINO_WINDOWS_QT}")

set(QT_HOST_PATH /usr CACHE PATH "The build machine's Qt, whose tools the build runs")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake
    CACHE PATH "Where the build machine's Qt keeps its CMake package files")
