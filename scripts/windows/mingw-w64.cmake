# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# the C++ standard library's threads need) against the Qt that scripts/windows/toolchain.sh
# builds. Qt's code generators (moc, rcc, uic) are the host's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZORVAN_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZORVAN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORVAN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORVAN_MINGW_TRIPLE}-windres)

# Where toolchain.sh keeps the cross-built Qt: the same rule as in the script.
if(DEFINED ENV{ZORVAN_WINDOWS_CACHE})
    set(ZORVAN_WINDOWS_CACHE "$ENV{ZORVAN_WINDOWS_CACHE}")
elseif(DEFINED ENV{XDG_CACHE_HOME})
    set(ZORVAN_WINDOWS_CACHE "$ENV{XDG_CACHE_HOME}/zorvan-windows")
else()
    set(ZORVAN_WINDOWS_CACHE "$ENV{HOME}/.cache/zorvan-windows")
endif()
set(ZORVAN_WINDOWS_QT "${ZORVAN_WINDOWS_CACHE}/qt-6.4.2-mingw")

# While toolchain.sh builds a Qt, the Qt built before must not be found.
if(DEFINED ENV{ZORVAN_BUILDING_QT})
    set(ZORVAN_WINDOWS_QT "")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${ZORVAN_MINGW_TRIPLE} ${ZORVAN_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(ZORVAN_WINDOWS_QT AND EXISTS "${ZORVAN_WINDOWS_QT}/lib/cmake/Qt6")
    list(APPEND CMAKE_PREFIX_PATH "${ZORVAN_WINDOWS_QT}")
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
