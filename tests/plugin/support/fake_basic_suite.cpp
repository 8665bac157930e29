#include "plugin/support/fake_basic_suite.h"

#include <cstring>
#include <stdexcept>

#include "plugin/frame/error_report.h"
#include "plugin/services/suites.h"

namespace quill::testing {

namespace {

FakeBasicSuite* current = nullptr;

std::string Row(char sign, const char* name, std::int32_t version) {
    return sign + std::string(name) + " " + std::to_string(version);
}

ASErr AIAPI AcquireSuite(const char* name, int32_t version, const void** suite) {
    FakeBasicSuite& fake = FakeBasicSuite::Current();
    *suite = fake.Table(name);
    if (!*suite) return kSuiteNotFoundErr;
    fake.acquisitions.push_back(Row('+', name, version));
    ++fake.held[name];
    return kNoErr;
}

ASErr AIAPI ReleaseSuite(const char* name, int32_t version) {
    FakeBasicSuite& fake = FakeBasicSuite::Current();
    if (AIErr failure = fake.TakeReleaseFailure()) return failure;
    if (fake.held[name] == 0) return kSuiteNotAcquiredErr;
    fake.acquisitions.push_back(Row('-', name, version));
    if (--fake.held[name] == 0) fake.held.erase(name);
    return kNoErr;
}

AIBoolean AIAPI IsEqual(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

SPBasicSuite basicSuite = {AcquireSuite, ReleaseSuite, IsEqual, nullptr, nullptr, nullptr};

ASErr AIAPI AcquirePlugin(SPPluginRef, SPAccessRef* access) {
    FakeBasicSuite& fake = FakeBasicSuite::Current();
    *access = reinterpret_cast<SPAccessRef>(static_cast<std::uintptr_t>(++fake.accessReferences));
    return kNoErr;
}

ASErr AIAPI ReleasePlugin(SPAccessRef) {
    --FakeBasicSuite::Current().accessReferences;
    return kNoErr;
}

SPAccessSuite accessSuite = {AcquirePlugin, ReleasePlugin};

ASErr AIAPI ErrorAlert(const char* text) {
    FakeBasicSuite::Current().alerts.push_back(text);
    return kNoErr;
}

ASErr AIAPI AboutBox(SPPluginRef, const char* first, const char* second) {
    FakeBasicSuite& fake = FakeBasicSuite::Current();
    if (fake.AboutBoxAnswer() != kNoErr) return fake.AboutBoxAnswer();
    fake.alerts.push_back(std::string(first) + "\r" + second);
    return kNoErr;
}

ADMBasicSuite admBasicSuite = {ErrorAlert, nullptr, nullptr, AboutBox};

ASErr AIAPI GetKeyState(int32_t virtualKey, AIBoolean* down) {
    *down = FakeBasicSuite::Current().keysDown.count(virtualKey) != 0;
    return kNoErr;
}

AIKeyboardStateSuite keyboardSuite = {GetKeyState};

// Suites that are held without being called.
const void* const kBlankTable[128] = {};

}  // namespace

FakeBasicSuite::FakeBasicSuite() {
    if (current) throw std::logic_error("one FakeBasicSuite at a time");
    current = this;
    sSPBasic = &basicSuite;
    SetErrorReportClock([] { return Current().now; });
}

FakeBasicSuite::~FakeBasicSuite() {
    SetErrorReportClock(nullptr);
    sSPBasic = nullptr;
    current = nullptr;
}

FakeBasicSuite& FakeBasicSuite::Current() {
    if (!current) throw std::logic_error("no FakeBasicSuite");
    return *current;
}

const void* FakeBasicSuite::Table(const std::string& name) const {
    if (withheld_.count(name)) return nullptr;
    if (name == kSPAccessSuite) return &accessSuite;
    if (name == kADMBasicSuite) return &admBasicSuite;
    if (name == kAIKeyboardStateSuite) return &keyboardSuite;
    return kBlankTable;
}

void FakeBasicSuite::FailRelease(AIErr code, int skip) {
    releaseFailure_ = code;
    releasesBeforeFailure_ = skip;
}

AIErr FakeBasicSuite::TakeReleaseFailure() {
    if (releaseFailure_ == kNoErr) return kNoErr;
    if (releasesBeforeFailure_-- > 0) return kNoErr;
    const AIErr failure = releaseFailure_;
    releaseFailure_ = kNoErr;
    return failure;
}

}  // namespace quill::testing
