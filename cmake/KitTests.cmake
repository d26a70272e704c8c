# kit_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [WIDGETS [SCREEN_SCALES <factors...>]])
#
# One GoogleTest executable, its cases registered with ctest one by one.
# WIDGETS gives it a QApplication on the offscreen platform, for widget tests;
# with SCREEN_SCALES every case runs once on a screen of each factor of device
# pixels to a window pixel, its name ending in "/x<factor>".
function(kit_add_test name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBRARIES;SCREEN_SCALES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_WIDGETS)
    target_link_libraries(${name} PRIVATE kitcommon_testing ${ARG_LIBRARIES} Qt6::Test GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE kitcommon_testsupport ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
  endif()
  kit_sanitizer_defaults(${name})
  if(ARG_SCREEN_SCALES)
    foreach(scale IN LISTS ARG_SCREEN_SCALES)
      gtest_discover_tests(${name}
        TEST_SUFFIX "/x${scale}"
        EXTRA_ARGS --screen-scale=${scale}
        PROPERTIES ENVIRONMENT "${KIT_TEST_ENVIRONMENT}"
        DISCOVERY_TIMEOUT 30)
    endforeach()
  else()
    gtest_discover_tests(${name}
      PROPERTIES ENVIRONMENT "${KIT_TEST_ENVIRONMENT}"
      DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
