# KIT_SANITIZE=ON builds the native code with AddressSanitizer and
# UndefinedBehaviorSanitizer (`./kit test --sanitize` makes such a build in a
# folder of its own). Any report fails the test that caused it. Leaks are
# checked too, but for those inside Qt's and fontconfig's own caches, which
# live as long as the process (cmake/lsan.supp); and the one false report of a
# library's string handling is silenced for that library alone (cmake/asan.supp).
option(KIT_SANITIZE "Build the native code with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

# kit_sanitizer_defaults(<target>): gives an executable the sanitizers' settings.
function(kit_sanitizer_defaults target)
  if(KIT_SANITIZE)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/sanitizer_defaults.cpp)
    target_compile_definitions(${target} PRIVATE
      KIT_ASAN_SUPPRESSIONS="${CMAKE_CURRENT_FUNCTION_LIST_DIR}/asan.supp"
      KIT_LSAN_SUPPRESSIONS="${CMAKE_CURRENT_FUNCTION_LIST_DIR}/lsan.supp")
  endif()
endfunction()

if(KIT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
