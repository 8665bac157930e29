// The host's own selection tool: a click selects the art under the pointer (Shift adds
// or takes away), a drag from empty canvas selects by rectangle, a drag from selected art
// moves the selection; arrow keys nudge it and Delete removes it. It selects whole
// objects: the art a layer holds directly (a group, a dimension, a compound path) with
// everything inside it. Locked and hidden art cannot be selected.
#pragma once

#include <optional>
#include <vector>

#include "host/document/document.h"

namespace host {

class Host;

class SelectionTool {
 public:
    explicit SelectionTool(Host& host) : host_(host) {}

    /// Document points, y upwards.
    void Press(AIRealPoint point, bool shift);
    void Drag(AIRealPoint point);
    void Release(AIRealPoint point);

    /// The rectangle being dragged out, in document points, if any.
    const std::optional<AIRealRect>& marquee() const { return marquee_; }

 private:
    Host& host_;
    AIRealPoint start_{0, 0}, last_{0, 0};
    std::vector<ObjectId> moving_;  // the objects a drag moves
    std::optional<AIRealRect> marquee_;
};

/// The selected art that no selected group holds, in the order it was made: what a nudge
/// moves and Delete removes (with the selection tool, whole objects).
std::vector<Art*> SelectedObjects(const Document& document);
/// Selects (or deselects) the object and everything inside it; true when that changed
/// anything.
bool SelectObject(Document& document, Art& object, bool selected);
/// Deselects every art; true when any was selected.
bool DeselectAll(Document& document);
/// Moves the objects by (dx, dy) points; false when one would leave the drawing's range
/// (that one stays).
bool MoveObjects(Document& document, const std::vector<Art*>& objects, float dx, float dy);

}  // namespace host
