// Acquiring the host suites into their globals (plugin/services/suites.h) and releasing
// them again. The frame's five basic suites come first, then the product's import table.
#pragma once

#include <cstdint>

#include "sdk/errors.h"
#include "sdk/types.h"

namespace quill {

/// A row of a suite table: the suite's name and version, and the address of the global
/// suite pointer that receives it (nullptr: the row is skipped). A table ends with a row
/// without a name; when that row's version is kOptionalSuitesMarker, rows of optional
/// suites follow, ended the same way.
struct ImportSuite {
    const char* name;
    std::int32_t version;
    void* global;
};

constexpr std::int32_t kOptionalSuitesMarker = AI_FOURCC('O', 'P', 'T', 'S');

/// The product's import table: every suite Quill uses besides the basic five.
extern const ImportSuite kImportSuites[];

/// Holds every suite of the basic and import tables while it lives. The suites are held
/// once per process: a second Suites object only counts itself. The globals are written
/// through the basic suite of the latest message (sSPBasic), which must be set.
class Suites {
 public:
    explicit Suites(const ImportSuite* imports = kImportSuites);
    ~Suites();
    Suites(const Suites&) = delete;
    Suites& operator=(const Suites&) = delete;

    /// The first failure of the acquisition, 0 when every required suite is held.
    ASErr Error() const { return error_; }
    /// Acquires the optional rows not held yet.
    void AcquireOptionalSuites();

    std::int16_t OptionalCount() const { return optionalCount_; }
    std::int16_t RequiredCount() const { return requiredCount_; }
    std::int16_t AcquiredOptionalCount() const { return acquiredOptionalCount_; }
    /// How many Suites objects hold the suites in this process (`suitesHolderCount`).
    static std::int16_t HolderCount();

 private:
    ASErr AcquireRequiredSuites();
    void ReleaseRequiredSuites();
    void ReleaseOptionalSuites();
    const ImportSuite* OptionalRows() const;

    ASErr error_ = kNoErr;
    std::int16_t optionalCount_ = 0;
    std::int16_t requiredCount_ = 0;
    std::int16_t acquiredOptionalCount_ = 0;
    const ImportSuite* imports_;
    bool counted_ = false;  // raised the process-wide count
};

/// How many `Suites` objects hold the suites in this process; the frame keeps it.
extern std::int16_t suitesHolderCount;

}  // namespace quill
