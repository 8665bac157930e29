// A spatial index of the document's path segments, so that hit tests and snapping do
// not walk every path. It listens to the document and stays right as art changes.
#pragma once

#include <functional>

#include "host/document/document.h"

namespace host {

class SegmentIndex : public DocumentObserver {
 public:
    explicit SegmentIndex(Document& document);
    ~SegmentIndex() override;

    /// Calls f(path, segmentIndex) for every segment whose bounds (control points
    /// included) come within `radius` of `point`. segmentIndex is the index of the
    /// segment's start anchor; n-1 is the closing segment of a closed path.
    void Query(AIRealPoint point, float radius,
               const std::function<void(const Art& path, int segmentIndex)>& f) const;

    void OnGeometryChanged(const Art& art) override;
    void OnArtRemoved(const Art& art) override;

 private:
    Document& document_;
};

}  // namespace host
