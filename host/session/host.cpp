#include "host/session/host.h"

#include "host/geometry/segment_index.h"

namespace host {

namespace {
Host* current = nullptr;
}

Host::Host()
    : document_(std::make_unique<Document>()), index_(std::make_unique<SegmentIndex>(*document_)) {
    for (const auto& entry : AllSuiteTables()) suites_.Add(entry.name, entry.version, entry.table);
}

Host::~Host() {
    if (current == this) current = nullptr;
}

void Host::ReplaceDocument(std::unique_ptr<Document> document) {
    index_.reset();
    document_ = std::move(document);
    index_ = std::make_unique<SegmentIndex>(*document_);
    view_.origin = AIRealPoint{0, document_->height()};
}

Host& CurrentHost() {
    return *current;
}
void SetCurrentHost(Host* host) {
    current = host;
}
bool HostRunning() {
    return current != nullptr;
}

}  // namespace host
