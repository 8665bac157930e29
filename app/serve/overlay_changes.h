// What the page draws over the drawing, sent only when it changed: the selection's
// outlines and boxes when the document or the view changed and they differ, the
// annotation pass when its drawing operations differ from those last sent. Nothing is
// rendered only to be compared.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "host/core/event_state.h"
#include "host/core/host.h"
#include "host/svg/annotation_picture.h"

namespace quill::serve {

class OverlayChanges {
 public:
    /// Adds {"outlines": SVG}, {"selection": boxes} and {"annotation": SVG} to `out` for
    /// what changed since the last call (`everything`: all three); `touched`: the
    /// document said something changed; `view`: the host's view as a frame.
    void Collect(host::Host& host, bool touched, const host::ViewFrame& view, bool everything,
                 nlohmann::json* out);

 private:
    std::uint64_t version_ = 0;
    host::ViewFrame view_;
    std::string outlinesSent_, marksSent_;
    std::vector<host::DrawOp> passSent_;
};

/// Whether two passes draw the same.
bool SamePass(const std::vector<host::DrawOp>& a, const std::vector<host::DrawOp>& b);

}  // namespace quill::serve
