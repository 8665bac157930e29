// setenv and unsetenv, which tests use to point the host at a folder of their own, are
// POSIX; the Windows C runtime has _putenv_s. Included before each Windows test source.
#pragma once

#include <stdlib.h>

inline int setenv(const char* name, const char* value, int overwrite) {
    if (!overwrite && getenv(name)) return 0;
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

inline int unsetenv(const char* name) {
    return _putenv_s(name, "") == 0 ? 0 : -1;
}
