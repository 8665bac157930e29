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

// Whether the headers list the functions of the suite named `fullName`, and `function`
// among them.
struct Listing {
    bool listed = false;
    bool has = false;
};
Listing ListingOf(const std::string& fullName, const std::string& function) {
    Listing listing;
    for (const SuiteFunction& entry : kSuiteFunctions) {
        if (fullName != entry.suite) continue;
        listing.listed = true;
        if (function == entry.function) listing.has = true;
    }
    return listing;
}

}  // namespace

bool FaultInjector::KnownFunction(const std::string& function) {
    const auto dot = function.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string suite = function.substr(0, dot), name = function.substr(dot + 1);
    const auto names = [&](const std::string& fullName) {
        return suite == fullName || suite == ShortName(fullName);
    };
    // A short name may stand for several suites ("Basic"): one of them having the
    // function is enough.
    for (const SuiteFunction& entry : kSuiteFunctions)
        if (names(entry.suite) && name == entry.function) return true;
    // A suite of the host that the headers list no function of is taken at its word.
    for (const SuiteTableEntry& table : AllSuiteTables())
        if (names(table.name) && !ListingOf(table.name, name).listed) return true;
    return false;
}

}  // namespace host
