// The functions of each suite, as the plug-in interface's headers declare them (the list
// is generated from them at configuration).
#include <string>

#include "host/suites/registry.h"

namespace host {

namespace {

struct SuiteFunction {
    const char* suite;
    const char* function;
};

const SuiteFunction kSuiteFunctions[] = {
#include "suite_functions.inc"
};

}  // namespace

bool FaultInjector::KnownFunction(const std::string& function) {
    const auto dot = function.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string suite = function.substr(0, dot), name = function.substr(dot + 1);
    if (!KnownSuite(suite)) return false;
    for (const SuiteFunction& entry : kSuiteFunctions)
        if ((suite == entry.suite || suite == ShortName(entry.suite)) && name == entry.function)
            return true;
    return false;
}

}  // namespace host
