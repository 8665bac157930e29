// The stand-in host application: one open document and its view, the suites it
// offers, and everything the plug-in registers with it. Suite functions reach the
// host through CurrentHost(): the SDK's C tables carry no context.
#pragma once

#include <memory>

#include "host/document/document.h"
#include "host/suites/registry.h"

namespace host {

class SegmentIndex;

/// The document view. View pixels have y downwards; the artwork point `origin` is at
/// the view's top-left corner: view = ((x - origin.h) * zoom, (origin.v - y) * zoom).
struct View {
    float zoom = 1;
    AIRealPoint origin{0, 841.89f};
    int widthPx = 1200;
    int heightPx = 900;
};

class Host {
 public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    Document& document() { return *document_; }
    /// Replaces the open document; the view is fitted to it and the index rebuilt.
    void ReplaceDocument(std::unique_ptr<Document> document);
    View& view() { return view_; }
    /// The spatial index of the document's segments, kept right as the document changes.
    SegmentIndex& segmentIndex() { return *index_; }
    SuiteRegistry& suites() { return suites_; }

 private:
    std::unique_ptr<Document> document_;
    std::unique_ptr<SegmentIndex> index_;
    View view_;
    SuiteRegistry suites_;
};

/// The host the suite functions serve; set while a host runs.
Host& CurrentHost();
void SetCurrentHost(Host* host);
/// Whether a host is set, so that a suite called without one refuses instead of crashing.
bool HostRunning();

}  // namespace host
