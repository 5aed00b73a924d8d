# The portable zip for Windows users (scripts/package.sh): spacewell.exe, stripped, with a
# README.txt and the licence, named after the project version.

# Text files get CRLF line ends so that Notepad shows them as lines.
configure_file(${PROJECT_SOURCE_DIR}/docs/README.txt.in ${PROJECT_BINARY_DIR}/package/README.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/package/LICENSE.txt
               @ONLY NEWLINE_STYLE CRLF)

# scripts/package.sh builds spacewell alone; installing need not build the Win32 tests too.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
install(TARGETS spacewell RUNTIME DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/package/README.txt ${PROJECT_BINARY_DIR}/package/LICENSE.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME spacewell)
set(CPACK_PACKAGE_VENDOR "Spacewell developers")
# Named after the build's processor: win32 for the shipped 32-bit program, win64 otherwise.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(SW_PACKAGE_ARCH win32)
else()
  set(SW_PACKAGE_ARCH win64)
endif()
set(CPACK_PACKAGE_FILE_NAME spacewell-${PROJECT_VERSION}-${SW_PACKAGE_ARCH})
# The files sit at the top of the zip: Windows' "Extract All" already makes a folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# Debug information makes up most of the built exe; users need none of it.
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
