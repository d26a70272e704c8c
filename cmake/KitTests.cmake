# kit_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [WIDGETS])
#
# One GoogleTest executable, its cases registered with ctest one by one.
# WIDGETS gives it a QApplication on the offscreen platform, for widget tests.
function(kit_add_test name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_WIDGETS)
    target_link_libraries(${name} PRIVATE kitcommon_testing ${ARG_LIBRARIES} Qt6::Test GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE kitcommon_testsupport ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
  endif()
  kit_sanitizer_defaults(${name})
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "${KIT_TEST_ENVIRONMENT}"
    DISCOVERY_TIMEOUT 30)
endfunction()
