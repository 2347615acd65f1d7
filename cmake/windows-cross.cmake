# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers (g++-mingw-w64-x86-64-posix:
# Qt needs the posix thread model). The same file builds the Qt for Windows that
# scripts/windows-qt.sh makes, and the program against that Qt:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/windows-cross.cmake \
#       -DVORRINTAL_WINDOWS_QT=<the folder that scripts/windows-qt.sh prints>
# ctest then runs the tests under Wine (cmake/wine-run.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

# Headers and libraries for Windows come from MinGW-w64 and the Qt for Windows, never from
# this machine; programs (moc, uic, rcc) are this machine's own, from Debian's Qt.
set(VORRINTAL_WINDOWS_QT "" CACHE PATH "Qt for Windows, as scripts/windows-qt.sh installs it")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VORRINTAL_WINDOWS_QT)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
if(VORRINTAL_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${VORRINTAL_WINDOWS_QT})
    list(APPEND CMAKE_PREFIX_PATH ${VORRINTAL_WINDOWS_QT})
    set(QT_HOST_PATH /usr)
    # ctest runs the tests under Wine, with this Qt's DLLs.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${VORRINTAL_WINDOWS_QT}/bin)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
