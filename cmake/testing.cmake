# GoogleTest: the Debian packages natively, built from /usr/src/googletest for Windows.
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# The native tree's dunmere-sim, which the Windows tree's integration tests run beside
# the programs under Wine.
set(DUNMERE_NATIVE_BUILD "" CACHE PATH "Native build tree (for dunmere-sim in Windows tests)")

# One ctest entry per test program: under Wine each start costs a second or more.
function(dunmere_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
