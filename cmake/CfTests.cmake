find_package(GTest REQUIRED)
include(GoogleTest)

# Registers one test program with ctest. GUI test programs run on the offscreen platform.
function(cf_add_test_program name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE cf_options ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE CF_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  set(env "ASAN_OPTIONS=detect_leaks=1" "UBSAN_OPTIONS=print_stacktrace=1")
  if(ARG_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()
