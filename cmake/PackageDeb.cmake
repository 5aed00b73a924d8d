# The Debian package for Linux users (scripts/package.sh): build/spacewell_<version>_amd64.deb
# with the program in /usr/bin, stripped; its desktop entry, icons at the icon theme's sizes and
# manual page; the copyright file and changelog Debian asks for. dpkg-shlibdeps names the
# libraries it needs.
find_package(PNG REQUIRED)

# A native package: made with the program, so its version is the program's own, without a
# distribution's revision, and its changelog is changelog.gz.
set(SW_DEB_VERSION ${PROJECT_VERSION})
set(SW_DEB_MAINTAINER "Spacewell developers <maintainers@users.noreply.c-seed-d99c19b8.example>")
set(SW_DEB_STAGE ${PROJECT_BINARY_DIR}/deb)

# The icon drawn at each size the panels and menus ask for, not scaled from one picture.
add_executable(app_icon_png EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/app_icon/app_icon_png.cpp
                                             ${PROJECT_SOURCE_DIR}/tools/snapshot/png_file.cpp)
target_include_directories(app_icon_png PRIVATE ${PROJECT_SOURCE_DIR}/tools/snapshot)
target_link_libraries(app_icon_png PRIVATE sw_app sw_ui_headless PNG::PNG)
set(deb_files)
foreach(size 16 22 24 32 48 256)
  set(png ${SW_DEB_STAGE}/icons/${size}/spacewell.png)
  add_custom_command(OUTPUT ${png} COMMAND ${CMAKE_COMMAND} -E make_directory ${SW_DEB_STAGE}/icons/${size}
                     COMMAND app_icon_png ${size} ${png} DEPENDS app_icon_png VERBATIM)
  list(APPEND deb_files ${png})
  install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# The copyright file carries the licence's terms, indented, with its empty lines as " .".
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE license_lines)
list(FIND license_lines "Permission is hereby granted, free of charge, to any person obtaining a copy"
     terms_start)
list(SUBLIST license_lines ${terms_start} -1 license_lines)
set(SW_LICENSE_BODY)
foreach(line IN LISTS license_lines)
  if(line STREQUAL "")
    string(APPEND SW_LICENSE_BODY " .\n")
  else()
    string(APPEND SW_LICENSE_BODY " ${line}\n")
  endif()
endforeach()
string(STRIP "${SW_LICENSE_BODY}" SW_LICENSE_BODY)
string(PREPEND SW_LICENSE_BODY " ")
configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/copyright.in ${SW_DEB_STAGE}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/changelog.in ${SW_DEB_STAGE}/changelog
               @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/spacewell.1 ${SW_DEB_STAGE}/spacewell.1 @ONLY)

# Compressed as Debian does: -n keeps the time and name out, so equal files give equal bytes.
foreach(file changelog spacewell.1)
  add_custom_command(OUTPUT ${SW_DEB_STAGE}/${file}.gz
                     COMMAND gzip -9nkf ${SW_DEB_STAGE}/${file}
                     DEPENDS ${SW_DEB_STAGE}/${file} VERBATIM)
  list(APPEND deb_files ${SW_DEB_STAGE}/${file}.gz)
endforeach()
add_custom_target(deb_files DEPENDS ${deb_files})

set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
install(TARGETS spacewell RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/spacewell.desktop DESTINATION share/applications)
install(FILES ${SW_DEB_STAGE}/spacewell.1.gz DESTINATION share/man/man1)
install(FILES ${SW_DEB_STAGE}/copyright ${SW_DEB_STAGE}/changelog.gz
        DESTINATION share/doc/spacewell)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spacewell)
set(CPACK_PACKAGE_VENDOR "Spacewell developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${SW_DEB_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows' text is drawn with Wine's raster faces; libsystemd is opened at run time for the
# notification-area icon, so the library scan does not find it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, libsystemd0")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "meter of how full each drive is")
# The long description's paragraphs; CPack indents them under the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Spacewell shows one small, borderless, semi-transparent window with a
gradient bar per mounted drive, filled to the drive's used share and
captioned with used and free space. An icon in the notification area sums up
free and total space and carries the menu; the window hides to it and comes
back by a click or the hotkey Ctrl+Alt+D. A pop-out panel shows the memory.

The icon needs a panel that hosts StatusNotifierItems: Plasma does, Xfce's
panel in its status tray, GNOME with the AppIndicator extension.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
include(CPack)
