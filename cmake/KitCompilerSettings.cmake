# The language level and warnings of every C++ target in the kit, native and
# 32-bit Windows alike. Include it right after project().
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Release)
endif()
# Generator expressions keep the flags away from the Windows resource compiler.
add_compile_options(
  $<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra>
  $<$<COMPILE_LANGUAGE:CXX>:-Wpedantic> $<$<COMPILE_LANGUAGE:CXX>:-Wshadow>
  $<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor>)
# One include root, the top of the source tree, so that every header is named by
# its path ("common/ui/dialogs.h") and two headers of the same name can never be
# taken for each other. Generated headers sit at the same paths in the build tree.
get_filename_component(KIT_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
include_directories(${KIT_SOURCE_ROOT} ${CMAKE_BINARY_DIR})
# The native release build carries the hardening that Debian builds its own
# packages with: checked string and memory calls, stack canaries, and a
# relocation table made read-only once every symbol is bound at start. The
# sanitizer and fuzzing builds go without: their checks overlap and fight.
if(NOT WIN32 AND NOT KIT_SANITIZE AND NOT KIT_FUZZ)
  add_compile_options(
    $<$<AND:$<CONFIG:Release>,$<COMPILE_LANGUAGE:CXX>>:-U_FORTIFY_SOURCE>
    $<$<AND:$<CONFIG:Release>,$<COMPILE_LANGUAGE:CXX>>:-D_FORTIFY_SOURCE=2>
    $<$<AND:$<CONFIG:Release>,$<COMPILE_LANGUAGE:CXX>>:-fstack-protector-strong>)
  add_link_options($<$<CONFIG:Release>:LINKER:-z,relro,-z,now>)
endif()
