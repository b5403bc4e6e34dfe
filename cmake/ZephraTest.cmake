# zephra_add_test(NAME name SOURCES file... [LIBS lib...] [QT] [PROGRAMS])
#
# Registers one test executable with ctest. GoogleTest executables get
# gtest_main; QT marks a Qt Test executable, which brings its own main.
# The tests of the Qt-free core (every test outside a ui/ folder) carry the
# label "core" and are collected in the target core_tests, so that a second
# build (with the sanitizers, say) can build and run just them. PROGRAMS
# marks a test that runs the built programs (zephra-cli, the simulator):
# those carry the Qt layers, so the test is not part of the core set.
# Every test runs with the "C" locale, offscreen Qt, a private runtime
# folder and its own state folder (where recovery journals go) so that
# results never depend on the machine's settings.
set(ZEPHRA_TEST_ENVIRONMENT
  "LC_ALL=C;QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-runtime;XDG_STATE_HOME=${CMAKE_BINARY_DIR}/test-state")

function(zephra_add_test)
  cmake_parse_arguments(ARG "QT;PROGRAMS" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
  if(ARG_QT)
    target_link_libraries(${ARG_NAME} PRIVATE Qt6::Test Qt6::Widgets)
  else()
    target_link_libraries(${ARG_NAME} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  if(NOT ARG_QT AND NOT ARG_PROGRAMS AND NOT CMAKE_CURRENT_SOURCE_DIR MATCHES "/ui$")
    set_property(TEST ${ARG_NAME} PROPERTY LABELS core)
    set_property(GLOBAL APPEND PROPERTY ZEPHRA_CORE_TESTS ${ARG_NAME})
  endif()
  set_tests_properties(${ARG_NAME} PROPERTIES
    ENVIRONMENT "${ZEPHRA_TEST_ENVIRONMENT}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    TIMEOUT 300)
endfunction()

# Qt wants its runtime folder private to the user.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/test-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
