// What a drawing's file says about a piece of art that the document does not model,
// kept to be written back where it was: most art has none.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace host {

/// A map of the plane: (x, y) to (a x + c y + e, b x + d y + f).
struct PlaneMap {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    bool IsIdentity() const { return a == 1 && b == 0 && c == 0 && d == 1 && e == 0 && f == 0; }
};

struct KeptMarkup {
    /// Attributes written back on the art's element as they were read: its id, those of
    /// other namespaces, paint references ("fill" "url(#g)"), and "style" holding the
    /// declarations of properties the document has no word for (clip-path, filter...).
    std::vector<std::pair<std::string, std::string>> attributes;
    /// The element a group was read from when it was no `g` (a link `a`, a `switch`).
    std::string elementName;
    /// An element the document has no art for (an image, a gradient, a title...), whole,
    /// as it stood in the file; the art that holds it is an empty group.
    std::string element;
    /// Child elements of a path that are no geometry (a title, an animation), as written.
    std::string children;
    /// The user space of the element, mapped to document points: references to
    /// definitions (gradients, clipping paths...) are drawn in it. Kept when `hasSpace`.
    PlaneMap space;
    bool hasSpace = false;
    /// Opacities of the art as a whole, of its fill and of its stroke, 0 to 1.
    float opacity = 1;
    float fillOpacity = 1;
    float strokeOpacity = 1;

    /// The value of a kept attribute, or nullptr.
    const std::string* Find(const std::string& name) const {
        for (const auto& [key, value] : attributes)
            if (key == name) return &value;
        return nullptr;
    }
    /// The markup of the art once `m` has moved it (m applied after its present place).
    void Transform(const PlaneMap& m) {
        const PlaneMap s = space;
        hasSpace = true;
        space = {m.a * s.a + m.c * s.b, m.b * s.a + m.d * s.b,       m.a * s.c + m.c * s.d,
                 m.b * s.c + m.d * s.d, m.a * s.e + m.c * s.f + m.e, m.b * s.e + m.d * s.f + m.f};
    }
};

}  // namespace host
