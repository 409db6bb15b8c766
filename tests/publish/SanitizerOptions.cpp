// Under AddressSanitizer. The embedded browser's engine frees some of its objects with a sized
// delete of a base class and keeps a few objects until the process ends; the sanitizer reports
// both although neither is our code. Only these reports are switched off for this suite.
extern "C" const char* __asan_default_options();
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6WebEngineCore.so\n"
           "leak:libfontconfig.so\n";
}
