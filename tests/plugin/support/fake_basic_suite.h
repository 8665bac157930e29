// A basic suite for the frame's unit tests, for what the stand-in host cannot show: the
// order in which suites are given back, a release that fails, the error report's clock.
// It hands out working ADM Basic (alerts recorded), SP Access (references counted) and
// keyboard state tables, and a blank table for any other suite, which the tests never call. While
// it lives it is the plug-in's basic suite (sSPBasic). One at a time.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "sdk/sdk.h"

namespace quill::testing {

class FakeBasicSuite {
 public:
    FakeBasicSuite();
    /// Stops being the plug-in's basic suite and gives the error report its system clock.
    ~FakeBasicSuite();
    FakeBasicSuite(const FakeBasicSuite&) = delete;
    FakeBasicSuite& operator=(const FakeBasicSuite&) = delete;

    /// The host offers no suite of that name until Offer.
    void Withhold(const std::string& suiteName) { withheld_.insert(suiteName); }
    void Offer(const std::string& suiteName) { withheld_.erase(suiteName); }
    /// After `skip` releases that succeed, the next one fails with `code`.
    void FailRelease(AIErr code, int skip);
    /// The about box answers `code` from now on.
    void FailAboutBox(AIErr code) { aboutBoxAnswer_ = code; }

    // What the plug-in did.
    std::vector<std::string> acquisitions;  // "+NAME VERSION" and "-NAME VERSION", in order
    std::map<std::string, int> held;        // suites acquired and not released, by name
    std::vector<std::string> alerts;        // error alerts and about boxes, Windows-1252
    int accessReferences = 0;

    /// Virtual keys the keyboard state suite reports down.
    std::set<std::int32_t> keysDown;

    /// The error report's clock, in seconds since the epoch.
    std::int64_t now = 1000;

    // Used by the fake tables.
    static FakeBasicSuite& Current();
    const void* Table(const std::string& name) const;
    AIErr TakeReleaseFailure();
    AIErr AboutBoxAnswer() const { return aboutBoxAnswer_; }

 private:
    std::set<std::string> withheld_;
    AIErr releaseFailure_ = kNoErr;
    int releasesBeforeFailure_ = 0;
    AIErr aboutBoxAnswer_ = kNoErr;
};

}  // namespace quill::testing
