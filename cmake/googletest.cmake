# GoogleTest from Debian: the installed libraries natively, the shipped sources for Windows.
if(TARVIO_FUZZ)
  return()
endif()
if(CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # The win32 thread model's library has no std::mutex, which GoogleTest's Notification
  # (used only by its own thread tests) is built on: our port header gives one without it.
  foreach(target gtest gtest_main gmock gmock_main)
    target_include_directories(${target} BEFORE PUBLIC ${PROJECT_SOURCE_DIR}/tests/support/gtest_port)
  endforeach()
else()
  find_package(GTest REQUIRED)
  find_package(benchmark QUIET)
endif()
include(GoogleTest)
