# The Windows setup program, zelmarino-<version>-win64-setup.exe, which `cpack -G NSIS` makes of
# the same folder as the zip. It installs under Program Files (or where the user chooses), adds
# Start-menu entries for the window programs and, when asked, desktop shortcuts, offers to put
# the program folder (zelmarino-calc.exe among the programs) on the PATH, unchecked, shows the
# licence, speaks English and Italian, and registers its uninstaller under Windows' Uninstall
# key with the name, version, publisher, icon and size. NSIS's makensis builds it with the
# 64-bit stubs (packaging/windows/NSIS.template.in says why the template is the project's).

set(CPACK_MODULE_PATH "${PROJECT_SOURCE_DIR}/packaging/windows")
# Read by cpack for each generator: only the setup program's name ends in "-setup".
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/packaging/windows/CPackOptions.cmake")

# One name, without the version, for the folder, the Start-menu folder and the Uninstall key,
# so that a newer version replaces an older one where it lies.
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zelmarino)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zelmarino)
set(CPACK_NSIS_PACKAGE_NAME Zelmarino)
set(CPACK_NSIS_DISPLAY_NAME Zelmarino)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH ON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY "${CMAKE_INSTALL_BINDIR}")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/assets/zelmarino.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/assets/zelmarino.ico")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_URL_INFO_ABOUT "${CPACK_PACKAGE_HOMEPAGE_URL}")
set(CPACK_NSIS_HELP_LINK "${CPACK_PACKAGE_HOMEPAGE_URL}")
set(CPACK_NSIS_CONTACT "${CPACK_PACKAGE_CONTACT}")

# The window programs, each a target and the name of its Start-menu entry; a further window
# program is one more pair. The first one's icon stands for the program in "Apps & features".
set(window_programs zelmarino Zelmarino zelmarino-workbench "Zelmarino Workbench")
set(CPACK_PACKAGE_EXECUTABLES "")
set(CPACK_CREATE_DESKTOP_LINKS "")
while(window_programs)
    list(POP_FRONT window_programs target entry)
    if(TARGET ${target})
        get_target_property(executable ${target} OUTPUT_NAME)
        list(APPEND CPACK_PACKAGE_EXECUTABLES "${executable}" "${entry}")
        list(APPEND CPACK_CREATE_DESKTOP_LINKS "${executable}")
        if(NOT CPACK_NSIS_INSTALLED_ICON_NAME)
            set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\${executable}.exe")
        endif()
    endif()
endwhile()

# The size that "Apps & features" shows: the installed folder's, in KiB, measured once the
# files and the uninstaller are in place.
set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall")
string(APPEND uninstall_key "\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}")
string(CONFIGURE [[
  !include "FileFunc.nsh"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "@uninstall_key@" "EstimatedSize" $0
]] CPACK_NSIS_EXTRA_INSTALL_COMMANDS @ONLY)

# The template's uninstaller removes the program's key under the vendor's, where the Start-menu
# folder is noted, but leaves the vendor's key behind, empty.
string(CONFIGURE [[
  DeleteRegKey SHCTX "Software\@CPACK_PACKAGE_VENDOR@\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@"
  DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@"
]] CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS @ONLY)
