# Helpers that turn a folder of sources into a library or a test binary, so that adding a
# file to a folder needs no build-file edit.

# sw_library(NAME DIRS dir... DEPS target... [WIN32_DEPS lib...]): a static library from every
# .cpp in DIRS (relative to src/). A folder that does not exist is skipped; WIN32_DEPS are linked
# only in the Windows build.
function(sw_library name)
  cmake_parse_arguments(A "" "" "DIRS;DEPS;WIN32_DEPS" ${ARGN})
  if(WIN32)
    list(APPEND A_DEPS ${A_WIN32_DEPS})
  endif()
  set(srcs)
  foreach(d IN LISTS A_DIRS)
    file(GLOB s CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${d}/*.cpp)
    list(APPEND srcs ${s})
  endforeach()
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${A_DEPS})
  endif()
endfunction()

# sw_test(NAME DIR dir DEPS target...): one GoogleTest binary from every .cpp in tests/DIR,
# registered with CTest (cross-built binaries run through the Wine emulator).
function(sw_test name)
  cmake_parse_arguments(A "" "DIR" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${A_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "SPACEWELL_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
