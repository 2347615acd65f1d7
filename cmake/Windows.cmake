# The program for Windows: its icon and version information, and an install folder that
# runs as it stands, as a portable copy and as what the installer installs: the program,
# the Qt and MinGW-w64 DLLs it loads, the Qt plugins for the Windows screen and style, and
# the licence. The release adds the licences and notices of the others' code it holds
# (scripts/windows-notices.py). Built with cmake/windows-cross.cmake.

# A multi-size icon drawn from the scalable one: small sizes for lists and the task bar,
# 256 pixels (kept as PNG, as Windows reads it) for large icon views.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(VORRINTAL_ICO ${CMAKE_CURRENT_BINARY_DIR}/vorrintal.ico)
set(icon_pngs)
foreach(size 16 20 24 32 40 48 64 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icon/${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icon
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png}
            ${PROJECT_SOURCE_DIR}/data/vorrintal.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/data/vorrintal.svg VERBATIM)
    if(size EQUAL 256)
        list(APPEND icon_pngs --raw=${png})
    else()
        list(APPEND icon_pngs ${png})
    endif()
endforeach()
list(TRANSFORM icon_pngs REPLACE "^--raw=" "" OUTPUT_VARIABLE icon_depends)
add_custom_command(OUTPUT ${VORRINTAL_ICO}
    COMMAND ${ICOTOOL} --create --output ${VORRINTAL_ICO} ${icon_pngs}
    DEPENDS ${icon_depends} VERBATIM)

string(SUBSTRING ${VORRINTAL_RELEASE_DATE} 0 4 year)
set(VORRINTAL_COPYRIGHT "${year} ${VORRINTAL_VENDOR}")
string(REPLACE "." "," VORRINTAL_VERSION_COMMAS "${PROJECT_VERSION}.0")
configure_file(data/vorrintal.rc.in vorrintal.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/vorrintal.rc PROPERTIES
    OBJECT_DEPENDS ${VORRINTAL_ICO})
target_sources(vorrintal PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/vorrintal.rc ${VORRINTAL_ICO})

# Everything in one folder, as Windows finds a program's DLLs beside it: the Qt modules the
# program links, and MinGW-w64's thread library that they import (GCC's run time is linked
# into each). The release checks that nothing they import is missing and that nothing is
# shipped that none of them imports.
install(TARGETS vorrintal RUNTIME DESTINATION .)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
    OUTPUT_VARIABLE winpthread OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT IS_ABSOLUTE "${winpthread}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} knows no libwinpthread-1.dll")
endif()
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    ${winpthread} DESTINATION .)
# Qt loads these two at run time, so no import names them: the Windows screen and the
# native look. qt.conf keeps Qt from looking for plugins outside the program's folder.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
# Qt 6.8 has the native look in one plugin with the Windows 11 style; Qt 6.4 in its own.
if(TARGET Qt6::QModernWindowsStylePlugin)
    install(FILES $<TARGET_FILE:Qt6::QModernWindowsStylePlugin> DESTINATION styles)
else()
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
endif()
install(FILES data/qt.conf DESTINATION .)

# The licence, with the line ends that every Windows editor shows.
file(READ LICENSE licence)
string(REPLACE "\n" "\r\n" licence "${licence}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt "${licence}")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt DESTINATION .)

# The installer's script; scripts/release-windows.sh gives it the installed files.
configure_file(data/vorrintal.nsi.in vorrintal.nsi @ONLY)
