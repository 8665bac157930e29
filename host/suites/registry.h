// The host's suites by name and version, the suites switched off, and the failures
// a script injects into suite functions.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sdk/sdk.h"

namespace host {

class SuiteRegistry {
 public:
    void Add(const std::string& name, std::int32_t version, const void* table);
    /// The table, or nullptr when the host offers no such suite (or it is switched off).
    const void* Find(const std::string& name, std::int32_t version) const;
    /// The host behaves as if it had no suite of that name (as an older host would not).
    void SwitchOff(const std::string& name) { off_.insert(name); }
    bool IsOff(const std::string& name) const { return off_.count(name) != 0; }

 private:
    std::map<std::pair<std::string, std::int32_t>, const void*> tables_;
    std::set<std::string> off_;
};

/// Failures injected into suite functions: after `after` more calls that run as usual,
/// the next `count` calls of the function return `code` (count < 0: every call).
class FaultInjector {
 public:
    /// `function` is "SUITE.FUNCTION", SUITE being the full suite name ("AI Art Suite")
    /// or its short form ("Art").
    void Fail(const std::string& function, AIErr code, int count, int after = 0);
    /// The code to return for this call, 0 when it is not to fail.
    AIErr Take(const char* suite, const char* function);
    void Clear() { faults_.clear(); }
    /// Every function called from now on is added to `called` ("Short.Function");
    /// nullptr stops the recording.
    void RecordCalls(std::set<std::string>* called) { called_ = called; }
    /// The failures asked for that no call of their function has reached yet.
    std::vector<std::string> Unreached() const;
    /// Whether the host offers a suite of that name, full or short.
    static bool KnownSuite(const std::string& name);
    /// Whether the suite of "SUITE.FUNCTION" (full or short name) has that function, as
    /// the interface's headers list the functions of each named suite; any function of a
    /// suite they do not name is taken.
    static bool KnownFunction(const std::string& function);

    /// "AI Real Bezier Suite" -> "RealBezier"; "SP Plug-ins Suite" -> "Plugins".
    static std::string ShortName(const std::string& suiteName);

 private:
    struct Fault {
        AIErr code;
        int remaining;
        int passing;  // calls that run as usual first
        bool reached = false;
    };
    std::map<std::string, Fault> faults_;  // by "Short.Function"
    std::set<std::string>* called_ = nullptr;
};

FaultInjector& Faults();

/// Runs a suite function's body: an injected failure first, and no exception ever
/// crosses back into the plug-in.
template <class Body>
AIErr Guarded(const char* suite, const char* function, Body&& body) noexcept {
    if (AIErr injected = Faults().Take(suite, function)) return injected;
    try {
        return body();
    } catch (...) {
        return kCantHappenErr;
    }
}

}  // namespace host

namespace host {

/// Every suite table the host offers. Each suite's file adds its tables with a
/// static SuiteTable object; a host copies the list into its registry.
struct SuiteTableEntry {
    const char* name;
    std::int32_t version;
    const void* table;
};
std::vector<SuiteTableEntry>& AllSuiteTables();

struct SuiteTable {
    SuiteTable(const char* name, std::int32_t version, const void* table) {
        AllSuiteTables().push_back({name, version, table});
    }
};

}  // namespace host
