# The licences of what the Windows folder ships, installed into its licenses/ folder: the
# project's own, Qt's (the LGPL, and the record of the copyright of Qt's source with the
# third-party code it holds), the compiler's runtime, MinGW-w64's start-up code and threads
# library, and CLI11, which zelmarino-calc is compiled with. Beside the project's LICENSE they
# are Debian's files: the licence texts of /usr/share/common-licenses and each package's record
# of its copyright, found through a file that package installed. README.txt says which file
# covers what and where Qt's source is to be had.

# Debian's copyright record of the package that installed `file`, or "" when none did (a build
# off Debian).
function(zelmarino_debian_copyright file result)
    set(copyright "")
    find_program(ZELMARINO_DPKG_QUERY dpkg-query)
    if(ZELMARINO_DPKG_QUERY AND EXISTS "${file}")
        # dpkg knows a file by the path it installed it at.
        file(REAL_PATH "${file}" file)
        execute_process(COMMAND "${ZELMARINO_DPKG_QUERY}" -S "${file}" OUTPUT_VARIABLE owner
                        RESULT_VARIABLE status ERROR_QUIET)
        # "package[:arch]: path"
        if(status EQUAL 0 AND owner MATCHES "^([^:,]+)")
            set(candidate "/usr/share/doc/${CMAKE_MATCH_1}/copyright")
            if(EXISTS "${candidate}")
                set(copyright "${candidate}")
            endif()
        endif()
    endif()
    set(${result} "${copyright}" PARENT_SCOPE)
endfunction()

# Installs `source` as `name` among the licences and adds `text` to README.txt, or warns that
# the folder will lack it.
macro(zelmarino_add_licence name source text)
    if(NOT "${source}" STREQUAL "" AND EXISTS "${source}")
        install(FILES "${source}" DESTINATION "${destination}" RENAME "${name}")
        string(APPEND readme "${name}\n${text}\n\n")
    else()
        message(WARNING "No ${name} to ship: ${text}")
    endif()
endmacro()

function(zelmarino_install_windows_licences destination)
    set(readme "Zelmarino ${PROJECT_VERSION} for Windows: the licences of what it ships\n\n")
    zelmarino_add_licence(GPL-3.txt "${PROJECT_SOURCE_DIR}/LICENSE" "\
    Zelmarino is free software: you can redistribute it and/or modify it under the terms of
    the GNU General Public License as published by the Free Software Foundation, either
    version 3 of the License, or (at your option) any later version (GPL-3.0-or-later).
    Its source: ${CPACK_PACKAGE_HOMEPAGE_URL}")

    # The window program's Qt, whose version the deployment noted.
    set(Qt6_VERSION "${ZELMARINO_DEPLOYED_QT_VERSION}")
    if(Qt6_VERSION)
        zelmarino_add_licence(LGPL-3.txt /usr/share/common-licenses/LGPL-3 "\
    Qt ${Qt6_VERSION} (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and the plugins in platforms,
    styles and imageformats) is used under the GNU Lesser General Public License, version 3,
    which adds to the GPL in GPL-3.txt. You may replace these libraries with a build of your
    own of the same Qt version.")

        # The Qt built for Windows comes from the Debian source package of the build machine's
        # Qt (its tools build the program), as that package holds qtbase's own source.
        file(REAL_PATH "${QT_HOST_PATH_CMAKE_DIR}/../libQt6Core.so.6" qt_core)
        zelmarino_debian_copyright("${qt_core}" qt_copyright)
        set(qt_source "")
        if(qt_copyright)
            execute_process(COMMAND "${ZELMARINO_DPKG_QUERY}" -S "${qt_core}"
                            OUTPUT_VARIABLE owner ERROR_QUIET)
            string(REGEX MATCH "^[^:,]+" owner "${owner}")
            execute_process(COMMAND "${ZELMARINO_DPKG_QUERY}" -W
                                    [[-f=${source:Package} ${source:Version}]] "${owner}"
                            OUTPUT_VARIABLE package ERROR_QUIET)
            # "qt6-base 6.4.2+dfsg-10": the source package, its upstream version and revision.
            if(package MATCHES "^([^ ]+) (([^+-]+)[^-]*)-([^-]+)$")
                set(source_name "${CMAKE_MATCH_1}")
                set(upstream "${CMAKE_MATCH_2}")
                set(revision "${CMAKE_MATCH_4}")
                if(CMAKE_MATCH_3 VERSION_EQUAL Qt6_VERSION)
                    set(qt_source "
    These libraries were built for 64-bit Windows with MinGW-w64 from qtbase ${Qt6_VERSION}
    as Debian's ${source_name} source package holds it, without Debian's patches:
    ${source_name}_${upstream}.orig.tar.xz, in ${source_name} ${upstream}-${revision} and
    every other ${upstream}-N (\"apt-get source ${source_name}\" on Debian, or
    https://snapshot.debian.org/package/${source_name}/).")
                endif()
            endif()
        endif()
        string(REGEX MATCH "^[0-9]+\\.[0-9]+" qt_series "${Qt6_VERSION}")
        zelmarino_add_licence(Qt.txt "${qt_copyright}" "\
    Debian's record of the copyright and licences of Qt's source, the third-party code that
    Qt's libraries hold among it (zlib, libpng, PCRE2, HarfBuzz, FreeType, double-conversion,
    md4c and others).${qt_source}
    Qt's own source of that release:
    https://download.qt.io/archive/qt/${qt_series}/${Qt6_VERSION}/submodules/")
    endif()

    if(MINGW)
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=libstdc++-6.dll
                        OUTPUT_VARIABLE runtime OUTPUT_STRIP_TRAILING_WHITESPACE)
        zelmarino_debian_copyright("${runtime}" gcc_copyright)
        zelmarino_add_licence(GCC-runtime.txt "${gcc_copyright}" "\
    libstdc++-6.dll and libgcc_s_seh-1.dll, GCC's runtime libraries, are licensed under the
    GPL, version 3 or later (GPL-3.txt), with the GCC Runtime Library Exception, version 3.1:
    Debian's record of the copyright of its MinGW-w64 GCC, the exception's text among it.")

        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=libwinpthread-1.dll
                        OUTPUT_VARIABLE threads OUTPUT_STRIP_TRAILING_WHITESPACE)
        zelmarino_debian_copyright("${threads}" mingw_copyright)
        zelmarino_add_licence(MinGW-w64.txt "${mingw_copyright}" "\
    libwinpthread-1.dll, MinGW-w64's threads library (winpthreads: the Expat licence, its
    pthread.h a BSD licence), and MinGW-w64's start-up code in every program (the ZPL 2.1 and
    others): Debian's record of the copyright of MinGW-w64.")
    endif()

    if(CLI11_INCLUDE_DIR)
        zelmarino_debian_copyright("${CLI11_INCLUDE_DIR}/CLI/CLI.hpp" cli11_copyright)
    endif()
    zelmarino_add_licence(CLI11.txt "${cli11_copyright}" "\
    zelmarino-calc.exe is compiled with CLI11, under the BSD licence in this file.")

    file(CONFIGURE OUTPUT "${PROJECT_BINARY_DIR}/packaging/licenses/README.txt"
         CONTENT "${readme}" NEWLINE_STYLE CRLF)
    install(FILES "${PROJECT_BINARY_DIR}/packaging/licenses/README.txt"
            DESTINATION "${destination}")
endfunction()
