# KIT_SANITIZE=ON builds the native code with AddressSanitizer and
# UndefinedBehaviorSanitizer (`./kit test --sanitize` makes such a build in a
# folder of its own). Any report fails the test that caused it. Leaks are
# checked too, but for those inside Qt's and fontconfig's own caches, which
# live as long as the process (cmake/lsan.supp).
option(KIT_SANITIZE "Build the native code with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(KIT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  set(KIT_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1"
    "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
else()
  set(KIT_SANITIZER_ENVIRONMENT)
endif()
