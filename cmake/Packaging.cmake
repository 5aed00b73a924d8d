# What scripts/package.sh makes of a build: the portable zip from the Windows build, the .deb
# from the native one. Each build makes one package, so each sets up CPack alone.
if(NOT TARGET spacewell)
  return()
endif()
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/PackageZip.cmake)
else()
  include(${CMAKE_CURRENT_LIST_DIR}/PackageDeb.cmake)
endif()
