#include "plugin/services/suite_acquisition.h"

#include <cstring>

#include "plugin/services/keyboard.h"
#include "plugin/services/suites.h"

namespace quill {

namespace {

// The frame's own suites, acquired before the product's and released before them.
const ImportSuite kBasicSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion, &sSPAccess},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, &sSPPlugins},
    {kAINotifierSuite, kAINotifierSuiteVersion, &sAINotifier},
    {kAIContextSuite, kAIContextSuiteVersion, &sAIAppContext},
    {kADMBasicSuite, kADMBasicSuiteVersion, &sADMBasic},
};

const void* GlobalOf(const ImportSuite& row) {
    const void* suite = nullptr;
    std::memcpy(&suite, row.global, sizeof suite);
    return suite;
}

void SetGlobal(const ImportSuite& row, const void* suite) {
    std::memcpy(row.global, &suite, sizeof suite);
}

ASErr Acquire(const ImportSuite& row) {
    if (!row.global) return kNoErr;
    const void* suite = nullptr;
    const ASErr error = sSPBasic->AcquireSuite(row.name, row.version, &suite);
    if (error == kNoErr) SetGlobal(row, suite);
    return error;
}

ASErr Release(const ImportSuite& row) {
    if (!row.global || !GlobalOf(row)) return kNoErr;
    const ASErr error = sSPBasic->ReleaseSuite(row.name, row.version);
    SetGlobal(row, nullptr);
    return error;
}

}  // namespace

Suites::Suites(const ImportSuite* imports) : imports_(imports) {
    error_ = AcquireRequiredSuites();
    const ImportSuite* row = imports_;
    for (; row->name; ++row) ++requiredCount_;
    if (const ImportSuite* optional = OptionalRows())
        for (row = optional; row->name; ++row) ++optionalCount_;
    if (error_ == kNoErr) AcquireOptionalSuites();
}

Suites::~Suites() {
    if (!counted_ || --suitesHolderCount != 0) return;
    ReleaseRequiredSuites();
    ReleaseOptionalSuites();
    // Suites taken on demand go with the others.
    ReleaseKeyboardState();
}

std::int16_t Suites::HolderCount() {
    return suitesHolderCount;
}

ASErr Suites::AcquireRequiredSuites() {
    if (suitesHolderCount == 0) {
        if (!sSPBasic) return kSuiteNotFoundErr;
        ASErr error = kNoErr;
        for (const ImportSuite& row : kBasicSuites)
            if (error == kNoErr) error = Acquire(row);
        for (const ImportSuite* row = imports_; row->name && error == kNoErr; ++row)
            error = Acquire(*row);
        if (error != kNoErr) {
            // A start-up that fails leaves no suite held.
            ReleaseRequiredSuites();
            return error;
        }
    }
    ++suitesHolderCount;
    counted_ = true;
    return kNoErr;
}

void Suites::AcquireOptionalSuites() {
    const ImportSuite* row = OptionalRows();
    if (!row || !sSPBasic) return;
    for (; row->name; ++row) {
        if (!row->global || GlobalOf(*row)) continue;
        if (Acquire(*row) == kNoErr) ++acquiredOptionalCount_;
    }
}

void Suites::ReleaseRequiredSuites() {
    if (!sSPBasic) return;
    // After the first failure the host is not asked again; the globals are cleared all
    // the same, as no suite may be used once released.
    bool releasing = true;
    auto release = [&](const ImportSuite& row) {
        if (releasing)
            releasing = Release(row) == kNoErr;
        else if (row.global)
            SetGlobal(row, nullptr);
    };
    for (const ImportSuite& row : kBasicSuites) release(row);
    for (const ImportSuite* row = imports_; row->name; ++row) release(*row);
}

void Suites::ReleaseOptionalSuites() {
    const ImportSuite* row = OptionalRows();
    if (!row || !sSPBasic) return;
    // The globals are the process's: whichever holder took an optional suite, the last
    // one gives it back.
    for (; row->name; ++row) {
        if (!row->global || !GlobalOf(*row)) continue;
        Release(*row);
        if (acquiredOptionalCount_ > 0) --acquiredOptionalCount_;
    }
}

const ImportSuite* Suites::OptionalRows() const {
    const ImportSuite* end = imports_;
    while (end->name) ++end;
    return end->version == kOptionalSuitesMarker ? end + 1 : nullptr;
}

}  // namespace quill
