#include "host/core/host.h"

#include <cmath>
#include <cstdlib>

#include "host/core/event_state.h"
#include "host/core/heap_policy.h"
#include "host/core/plugins.h"
#include "host/core/registrations.h"
#include "host/core/selection_tool.h"
#include "host/core/undo_history.h"
#include "host/fonts/font_catalog.h"
#include "host/geometry/segment_index.h"
#include "host/prefs/preference_store.h"
#include "host/suites/memory_handles.h"
#include "host/suites/text_engine_objects.h"

namespace host {

namespace {
Host* current = nullptr;
}

Host::Host()
    : document_(std::make_unique<Document>()),
      history_(std::make_unique<UndoHistory>()),
      selectionTool_(std::make_unique<SelectionTool>(*this)),
      plugins_(std::make_unique<PluginManager>()),
      registrations_(std::make_unique<Registrations>()),
      preferences_(std::make_unique<PreferenceStore>()),
      fonts_(std::make_unique<FontCatalog>()),
      textObjects_(std::make_unique<TextEngineObjects>()),
      event_(std::make_unique<EventState>()),
      log_(std::make_unique<SessionLog>()),
      customColors_(std::make_unique<std::vector<CustomColorRecord>>()),
      documentId_(NextObjectId()),
      viewId_(NextObjectId()) {
    GiveLargeBlocksBack();
    for (const auto& entry : AllSuiteTables()) suites_.Add(entry.name, entry.version, entry.table);
    view_.origin = AIRealPoint{0, document_->height()};
}

Host::~Host() {
    // A host that quits shuts its plug-ins down first, as the application would.
    Host* previous = current;
    current = this;
    ShutdownPlugins();
    plugins_.reset();
    current = previous == this ? nullptr : previous;
    for (void* block : blocks_) std::free(block);
    ReclaimMemoryHandles();
}

std::unique_ptr<Document> Host::ReplaceDocument(std::unique_ptr<Document> document) {
    // The steps kept name art of the document that goes.
    history_->Clear();
    return SwapDocument(std::move(document));
}

std::unique_ptr<Document> Host::SwapDocument(std::unique_ptr<Document> document) {
    index_.reset();
    std::unique_ptr<Document> previous = std::move(document_);
    document_ = std::move(document);
    view_.origin = AIRealPoint{0, document_->height()};
    documentId_ = NextObjectId();
    viewId_ = NextObjectId();
    return previous;
}

SegmentIndex& Host::segmentIndex() {
    // Built when first asked for: a drawing opened to be converted or saved needs none.
    if (!index_) index_ = std::make_unique<SegmentIndex>(*document_);
    return *index_;
}

void Host::ZoomAboutCentre(float zoom) {
    if (!(zoom > 0) || !std::isfinite(zoom)) return;
    float halfW = static_cast<float>(view_.widthPx) / 2,
          halfH = static_cast<float>(view_.heightPx) / 2;
    AIRealPoint centre{view_.origin.h + halfW / view_.zoom, view_.origin.v - halfH / view_.zoom};
    view_.zoom = zoom;
    view_.origin = AIRealPoint{centre.h - halfW / zoom, centre.v + halfH / zoom};
}

Host& CurrentHost() {
    return *current;
}
void SetCurrentHost(Host* host) {
    current = host;
}
bool HasCurrentHost() {
    return current != nullptr;
}

}  // namespace host
