# GoogleTest for both builds and one helper to register a test executable.
enable_testing()
if(WIN32)
  # Debian ships the sources; build them with the cross compiler.
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # googletest's own code is not held to our warning flags.
  foreach(t gtest gtest_main)
    target_compile_options(${t} PRIVATE -w -Wno-error)
  endforeach()
  set(QVL_GTEST gtest)
  set(QVL_GTEST_MAIN gtest_main)
else()
  find_package(GTest REQUIRED)
  set(QVL_GTEST GTest::gtest)
  set(QVL_GTEST_MAIN GTest::gtest_main)
endif()

# qvl_add_test(NAME SOURCES... LIBS ...): one executable, one CTest test.
function(qvl_add_test name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${QVL_GTEST})
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${QVL_GTEST_MAIN})
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# qvl_add_oracle_test(NAME SOURCE LIBS ...): a host-only test that checks our code against OpenSSL.
function(qvl_add_oracle_test name source)
  if(NOT QVL_HOST)
    return()
  endif()
  find_package(OpenSSL REQUIRED)
  qvl_add_test(${name} SOURCES ${source} LIBS ${ARGN} OpenSSL::Crypto)
  # The low-level Blowfish and SHA-1 calls are deprecated in OpenSSL 3.
  target_compile_options(${name} PRIVATE -Wno-deprecated-declarations)
endfunction()
