#include "host/suites/registry.h"

#include <cctype>

namespace host {

void SuiteRegistry::Add(const std::string& name, std::int32_t version, const void* table) {
    tables_[{name, version}] = table;
}

const void* SuiteRegistry::Find(const std::string& name, std::int32_t version) const {
    if (IsOff(name)) return nullptr;
    auto it = tables_.find({name, version});
    return it == tables_.end() ? nullptr : it->second;
}

std::string FaultInjector::ShortName(const std::string& suiteName) {
    std::string name = suiteName;
    for (const char* prefix : {"AI ", "SP ", "ADM ", "ATE "})
        if (name.rfind(prefix, 0) == 0) {
            name = name.substr(std::string(prefix).size());
            break;
        }
    const std::string suffix = " Suite";
    if (name.size() > suffix.size() &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.resize(name.size() - suffix.size());
    std::string compact;
    for (char c : name)
        if (std::isalnum(static_cast<unsigned char>(c))) compact += c;
    return compact;
}

void FaultInjector::Fail(const std::string& function, AIErr code, int count, int after) {
    auto dot = function.rfind('.');
    if (dot == std::string::npos) return;
    std::string key = ShortName(function.substr(0, dot)) + "." + function.substr(dot + 1);
    faults_[key] = Fault{code, count, after};
}

AIErr FaultInjector::Take(const char* suite, const char* function) {
    if (called_) called_->insert(ShortName(suite) + "." + function);
    if (faults_.empty()) return kNoErr;
    auto it = faults_.find(ShortName(suite) + "." + function);
    if (it == faults_.end()) return kNoErr;
    it->second.reached = true;
    if (it->second.remaining == 0) return kNoErr;
    if (it->second.passing > 0) {
        --it->second.passing;
        return kNoErr;
    }
    if (it->second.remaining > 0) --it->second.remaining;
    return it->second.code;
}

std::vector<std::string> FaultInjector::Unreached() const {
    std::vector<std::string> functions;
    for (const auto& [function, fault] : faults_)
        if (!fault.reached) functions.push_back(function);
    return functions;
}

bool FaultInjector::KnownSuite(const std::string& name) {
    for (const SuiteTableEntry& entry : AllSuiteTables())
        if (name == entry.name || name == ShortName(entry.name)) return true;
    return false;
}

FaultInjector& Faults() {
    static FaultInjector faults;
    return faults;
}

}  // namespace host

namespace host {

std::vector<SuiteTableEntry>& AllSuiteTables() {
    static std::vector<SuiteTableEntry> tables;
    return tables;
}

}  // namespace host
