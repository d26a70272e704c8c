// The sanitizers' settings for every program and test of a sanitizer build,
// compiled in so that they hold however the binary is started: by ctest, by
// hand, or by the build itself when it lists a test binary's cases.
extern "C" {

const char* __asan_default_options()
{
    return "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_string_checks=1:"
           "suppressions=" KIT_ASAN_SUPPRESSIONS;
}

const char* __lsan_default_options()
{
    return "suppressions=" KIT_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

} // extern "C"
