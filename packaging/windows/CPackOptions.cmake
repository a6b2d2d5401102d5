# Read by cpack before each generator runs: the setup program is named apart from the zip,
# zelmarino-<version>-win64-setup.exe beside zelmarino-<version>-win64.zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
    string(APPEND CPACK_PACKAGE_FILE_NAME "-setup")
endif()
