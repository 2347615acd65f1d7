# Cross-builds with Debian's multiarch packages for the architecture that dpkg-architecture
# describes in the environment:
#   eval "$(dpkg-architecture -a arm64 -s)"
#   cmake -S . -B build-arm64 -DCMAKE_TOOLCHAIN_FILE=cmake/debian-cross.cmake
# It needs the cross compiler (g++-aarch64-linux-gnu), Qt for that architecture
# (qt6-base-dev:arm64) and qemu-user-static, through which ctest runs the tests.
if(NOT DEFINED ENV{DEB_HOST_GNU_TYPE} OR NOT DEFINED ENV{DEB_HOST_MULTIARCH})
    message(FATAL_ERROR "debian-cross.cmake: set the target with eval \"$(dpkg-architecture -a ARCH -s)\" first")
endif()

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR $ENV{DEB_HOST_GNU_CPU})
set(CMAKE_C_COMPILER $ENV{DEB_HOST_GNU_TYPE}-gcc)
set(CMAKE_CXX_COMPILER $ENV{DEB_HOST_GNU_TYPE}-g++)
# Qt and every other library for the target live in its multiarch folders under /usr.
set(CMAKE_LIBRARY_ARCHITECTURE $ENV{DEB_HOST_MULTIARCH})
# moc and uic are programs: the build machine's own run them.
set(QT_HOST_PATH /usr)
# Qt's translation tools run on this machine; Debian packages their CMake files for its own
# architecture alone.
set(Qt6LinguistTools_DIR /usr/lib/$ENV{DEB_BUILD_MULTIARCH}/cmake/Qt6LinguistTools)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-$ENV{DEB_HOST_GNU_CPU}-static)

# The package is for the target architecture, not for the one that builds it.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE $ENV{DEB_HOST_ARCH})
