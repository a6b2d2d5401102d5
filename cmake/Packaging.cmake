# Installing and packaging. On Linux the window program and the schematic pictures it reads
# from its own directory live together in lib/zelmarino, with a link in bin; the menu entry,
# the AppStream metainfo and the icon go where desktops look for them, and `cpack -G DEB`
# makes a Debian package of it all. On Windows the program, its pictures and Qt's libraries share
# the bin folder, the executable carries its icon and version record, and `cpack -G ZIP` makes
# the folder a zip that runs where it is unpacked, and `cpack -G NSIS` a setup program that installs
# it under Program Files (packaging/windows/).
include(GNUInstallDirs)

# Who makes the program, for the package records, the copyright file and the setup program.
set(CPACK_PACKAGE_NAME zelmarino)
set(CPACK_PACKAGE_VENDOR "Ostrelvo")
set(CPACK_PACKAGE_CONTACT "Ostrelvo <ostrelvo@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/zelmarino")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for resistive attenuator networks")
# Zelmarino is free software under the GPL, version 3 or (at your option) any later version
# (GPL-3.0-or-later); the setup program shows this text on its licence page.
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")

if(WIN32)
    # The resource script is an object library of its own, so a cross build without the
    # window can still compile it.
    enable_language(RC)
    # The version record holds the project's version as four numbers and as text of the form
    # "major.minor", the minor number in two digits.
    set(numbers ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH}
        ${PROJECT_VERSION_TWEAK} 0 0 0)
    list(SUBLIST numbers 0 4 numbers)
    list(JOIN numbers "," ZELMARINO_RC_VERSION)
    set(minor "${PROJECT_VERSION_MINOR}")
    if(minor LESS 10)
        set(minor "0${minor}")
    endif()
    set(ZELMARINO_RC_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor}")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/zelmarino.rc.in"
                   "${PROJECT_BINARY_DIR}/packaging/zelmarino.rc" @ONLY)
    add_library(zelmarino_resources OBJECT "${PROJECT_BINARY_DIR}/packaging/zelmarino.rc")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/workbench.rc.in"
                   "${PROJECT_BINARY_DIR}/packaging/workbench.rc" @ONLY)
    add_library(zelmarino_workbench_resources OBJECT
                "${PROJECT_BINARY_DIR}/packaging/workbench.rc")
endif()

# What the window program needs beside it on a Windows machine with nothing else installed:
# Qt's libraries, the platform plugin, the native style and the GIF reader for the schematic
# pictures (Qt finds plugins in these folders next to the executable), and the compiler's
# runtime that Qt's libraries import. This is what windeployqt would copy; Debian's Qt has none
# for Windows targets. CI checks the result against what the programs and each DLL import.
function(zelmarino_deploy_windows_runtime destination)
    find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
            DESTINATION "${destination}")
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
            DESTINATION "${destination}/platforms")
    # The native style; Qt 6.7 renamed it.
    foreach(style IN ITEMS QWindowsVistaStylePlugin QModernWindowsStylePlugin)
        if(TARGET Qt6::${style})
            install(FILES $<TARGET_FILE:Qt6::${style}> DESTINATION "${destination}/styles")
        endif()
    endforeach()
    install(FILES $<TARGET_FILE:Qt6::QGifPlugin> DESTINATION "${destination}/imageformats")
    # For the licences of what is shipped (WindowsLicences.cmake).
    set(ZELMARINO_DEPLOYED_QT_VERSION "${Qt6_VERSION}" PARENT_SCOPE)

    if(MINGW)
        # Debian's cross compiler knows where its runtime lies; the MinGW of the Qt installer
        # keeps it beside the compiler.
        get_filename_component(compiler_dir "${CMAKE_CXX_COMPILER}" DIRECTORY)
        foreach(runtime IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
            execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${runtime}
                            OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
                set(path "${compiler_dir}/${runtime}")
            endif()
            if(NOT EXISTS "${path}")
                message(FATAL_ERROR "No ${runtime} of the compiler to deploy")
            endif()
            file(REAL_PATH "${path}" path)
            install(FILES "${path}" DESTINATION "${destination}")
        endforeach()
    else()
        set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION "${destination}")
        include(InstallRequiredSystemLibraries)
    endif()

    # These libraries come with their symbols; a package strips them as it strips the programs
    # (cpack sets CMAKE_INSTALL_DO_STRIP).
    if(CMAKE_STRIP)
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                file(GLOB_RECURSE libraries
                     \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/*.dll\")
                execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${libraries}
                                COMMAND_ERROR_IS_FATAL ANY)
            endif()")
    endif()
endfunction()

if(TARGET zelmarino)
    if(WIN32)
        # A GUI-subsystem program (no console), named as its version record names it.
        target_sources(zelmarino PRIVATE $<TARGET_OBJECTS:zelmarino_resources>)
        set_target_properties(zelmarino PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME Zelmarino)
        # Qt's deployment expects the program in the binary folder.
        set(ZELMARINO_PROGRAM_DIR "${CMAKE_INSTALL_BINDIR}")
    else()
        set(ZELMARINO_PROGRAM_DIR "lib/zelmarino")
        # The system's Qt is found on the default library path; Qt's project setup would add
        # an $ORIGIN search path, which a program in a system directory does not want.
        set_target_properties(zelmarino PROPERTIES INSTALL_RPATH "")
    endif()

    install(TARGETS zelmarino RUNTIME DESTINATION "${ZELMARINO_PROGRAM_DIR}")
    install(FILES ${ZELMARINO_PICTURES} DESTINATION "${ZELMARINO_PROGRAM_DIR}")

    if(WIN32)
        zelmarino_deploy_windows_runtime("${ZELMARINO_PROGRAM_DIR}")
    else()
        # A relative link, so the installed tree may be moved (DESTDIR, a package's root).
        file(RELATIVE_PATH link_target "/${CMAKE_INSTALL_BINDIR}"
             "/${ZELMARINO_PROGRAM_DIR}/zelmarino")
        set(link "${PROJECT_BINARY_DIR}/packaging/zelmarino")
        file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/packaging")
        file(CREATE_LINK "${link_target}" "${link}" SYMBOLIC)
        install(FILES "${link}" DESTINATION "${CMAKE_INSTALL_BINDIR}")

        install(FILES "${PROJECT_SOURCE_DIR}/packaging/org.example.zelmarino.desktop"
                DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
        set(metainfo "${PROJECT_BINARY_DIR}/packaging/org.example.zelmarino.metainfo.xml")
        configure_file("${PROJECT_SOURCE_DIR}/packaging/org.example.zelmarino.metainfo.xml.in"
                       "${metainfo}" @ONLY)
        install(FILES "${metainfo}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
        foreach(size IN ITEMS 32 64 128 256)
            install(FILES "${PROJECT_SOURCE_DIR}/assets/zelmarino-${size}.png"
                    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
                    RENAME zelmarino.png)
        endforeach()
    endif()
endif()

# The workbench needs no pictures of its own: it draws its schematics. On Linux it goes
# straight into bin, with its own menu entry; on Windows beside the window program, whose
# deployed Qt it shares.
if(TARGET zelmarino-workbench)
    if(WIN32)
        target_sources(zelmarino-workbench PRIVATE $<TARGET_OBJECTS:zelmarino_workbench_resources>)
        set_target_properties(zelmarino-workbench PROPERTIES WIN32_EXECUTABLE ON
                              OUTPUT_NAME ZelmarinoWorkbench)
        install(TARGETS zelmarino-workbench RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
        if(NOT TARGET zelmarino)
            zelmarino_deploy_windows_runtime("${CMAKE_INSTALL_BINDIR}")
        endif()
    else()
        set_target_properties(zelmarino-workbench PROPERTIES INSTALL_RPATH "")
        install(TARGETS zelmarino-workbench RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
        install(FILES "${PROJECT_SOURCE_DIR}/packaging/org.example.zelmarino.workbench.desktop"
                DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    endif()
endif()

if(WIN32)
    include(WindowsLicences)
    zelmarino_install_windows_licences(licenses)
else()
    # Debian's machine-readable copyright file, which every package carries.
    configure_file("${PROJECT_SOURCE_DIR}/packaging/copyright.in"
                   "${PROJECT_BINARY_DIR}/packaging/copyright" @ONLY)
    install(FILES "${PROJECT_BINARY_DIR}/packaging/copyright"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/zelmarino")
endif()

set(CPACK_STRIP_FILES ON)
# The values reach CPack as they are written here: the setup program's paths hold backslashes
# and NSIS variables.
set(CPACK_VERBATIM_VARIABLES ON)
if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
    include(WindowsSetup)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Zelmarino computes the resistors of Pi, T and L attenuators between two
impedances for a wanted attenuation in decibels, and shows them on the
schematic of the chosen network. The package holds the window program,
zelmarino; the workbench, zelmarino-workbench, which adds standard values,
power ratings, resistor parasitics and the frequency response, drawn; and
the same calculations on the command line, zelmarino-calc.]])
# dpkg-shlibdeps finds the libraries (Qt among them); the window's form font is Liberation
# Sans, which no library brings.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")

include(CPack)
