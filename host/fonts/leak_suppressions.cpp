// The leak checker of sanitizer builds reads this list. fontconfig loses a few bytes
// while parsing its configuration files, which no caller can free; they are not ours.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
