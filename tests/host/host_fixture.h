// A running stand-in host for the host tests, with helpers that build paths.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "host/core/host.h"
#include "host/suites/handles.h"

namespace host::testing {

class HostTest : public ::testing::Test {
 protected:
    HostTest() { SetCurrentHost(&host_); }
    ~HostTest() override {
        Faults().Clear();
        SetCurrentHost(nullptr);
    }

    Document& doc() { return host_.document(); }

    template <class Suite>
    const Suite& suite(const char* name, int version) {
        const void* table = host_.suites().Find(name, version);
        EXPECT_NE(table, nullptr) << name;
        return *static_cast<const Suite*>(table);
    }

    /// A path of corner points on top of the current layer.
    Art* Polyline(const std::vector<AIRealPoint>& points, bool closed = false) {
        std::vector<AIPathSegment> segments;
        for (AIRealPoint p : points) segments.push_back({p, p, p, 1});
        return PathOf(segments, closed);
    }

    Art* PathOf(const std::vector<AIPathSegment>& segments, bool closed) {
        Art* path = doc().NewArt(ArtKind::Path, kPlaceAboveAll, nullptr);
        path->closed = closed;
        doc().SetSegments(path, segments);
        return path;
    }

    Host host_;
};

}  // namespace host::testing
