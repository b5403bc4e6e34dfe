# zephra_add_test(NAME name SOURCES file... [LIBS lib...] [QT] [PROGRAMS] [EACH])
#
# Registers one test executable with ctest. GoogleTest executables get
# gtest_main; QT marks a Qt Test executable, which brings its own main.
# The tests of the Qt-free core (every test outside a ui/ folder) carry the
# label "core" and are collected in the target core_tests, so that a second
# build (with the sanitizers, say) can build and run just them. PROGRAMS
# marks a test that runs the built programs (zephra-cli, the simulator):
# those carry the Qt layers, so the test is not part of the core set.
# EACH registers every TEST of the executable as a test of its own, so that
# tests that mostly wait (for a balance's schedule, say) run side by side.
# GoogleTest executables share one precompiled header of GoogleTest and
# GoogleMock. Every test runs with the "C" locale, offscreen Qt, a private runtime
# folder and its own state folder (where recovery journals go) so that
# results never depend on the machine's settings.
include(GoogleTest)

# The precompiled header every GoogleTest executable reuses.
add_library(zephra_gtest_pch OBJECT ${CMAKE_CURRENT_LIST_DIR}/GTestPch.cpp)
target_link_libraries(zephra_gtest_pch PRIVATE GTest::gtest GTest::gmock)
target_precompile_headers(zephra_gtest_pch PRIVATE <gtest/gtest.h> <gmock/gmock.h>)

set(ZEPHRA_TEST_ENVIRONMENT
  "LC_ALL=C;ZEPHRA_FIELD_CHECKS=1;QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-runtime;XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state")

function(zephra_add_test)
  cmake_parse_arguments(ARG "QT;PROGRAMS;EACH" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
  if(ARG_QT)
    target_link_libraries(${ARG_NAME} PRIVATE Qt6::Test Qt6::Widgets)
  else()
    target_link_libraries(${ARG_NAME} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock)
    target_precompile_headers(${ARG_NAME} REUSE_FROM zephra_gtest_pch)
  endif()
  if(ARG_EACH)
    gtest_add_tests(TARGET ${ARG_NAME} SOURCES ${ARG_SOURCES} TEST_PREFIX "${ARG_NAME}."
      TEST_LIST tests)
  else()
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set(tests ${ARG_NAME})
  endif()
  if(NOT ARG_QT AND NOT ARG_PROGRAMS AND NOT CMAKE_CURRENT_SOURCE_DIR MATCHES "/ui$")
    set_property(TEST ${tests} PROPERTY LABELS core)
    set_property(GLOBAL APPEND PROPERTY ZEPHRA_CORE_TESTS ${ARG_NAME})
  endif()
  set_tests_properties(${tests} PROPERTIES
    ENVIRONMENT "${ZEPHRA_TEST_ENVIRONMENT}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    TIMEOUT 300)
endfunction()

# Qt wants its runtime folder private to the user.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/test-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
