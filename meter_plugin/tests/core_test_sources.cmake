# The unit tests of the meter's portable core. The native build runs them on
# the build machine; the mingw build compiles the same list into a Windows
# program that runs under Wine, so the arithmetic is tested as the DLL ships it.
set(METER_CORE_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/needles_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout_settings_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/needle_dialog_rules_test.cpp)
