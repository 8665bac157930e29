// The keys held during a drag event, as the builders read them (all clear at a click).
#pragma once

namespace quill {

/// Which way the arrowheads of a dimension point.
enum class ArrowDirection {
    Inward,   // their bodies lie on the dimension line
    Outward,  // they lie beyond the line's ends, pointing in
};

struct DragKeys {
    bool shift = false;  // offsets and levels go in steps
    bool leftShift = false;
    bool rightShift = false;
    bool control = false;  // the arrowheads turn outward
    bool alt = false;
    bool space = false;   // the label slides along the line under the pointer
    bool escape = false;  // only the label moves, to the pointer

    ArrowDirection Arrows() const {
        return control ? ArrowDirection::Outward : ArrowDirection::Inward;
    }
};

}  // namespace quill
