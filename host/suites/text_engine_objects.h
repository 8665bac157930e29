// The text engine's objects handed to plug-ins (text ranges, feature sets, paints,
// fonts), by identity, and the custom colours of the host.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/document/document.h"

namespace host {

/// The whole text of a point text.
struct TextRangeRecord {
    ObjectId art = 0;
};

/// Character features; only what was set is applied.
struct CharFeaturesRecord {
    std::optional<std::string> font;
    std::optional<float> size, baselineShift;
    std::optional<int> tracking;
    std::optional<Color> fill;
    std::optional<bool> fillOverprint;
};

/// Paragraph features; only what was set is applied.
struct ParaFeaturesRecord {
    std::optional<int> justification;
    std::optional<float> firstLineIndent, startIndent;
};

struct CustomColorRecord {
    ObjectId id = 0;
    std::string name;  // UTF-8
    AICustomColor color{};
};

class TextEngineObjects {
 public:
    std::map<ObjectId, TextRangeRecord> ranges;
    std::map<ObjectId, CharFeaturesRecord> charFeatures;
    std::map<ObjectId, ParaFeaturesRecord> paraFeatures;
    std::map<ObjectId, Color> paints;

    /// The identity of a font (full name) as an AIFontKey, or as a text-engine font;
    /// the same name always gets the same identity.
    ObjectId FontKey(const std::string& name) { return Intern(fontKeys_, name); }
    ObjectId FontRef(const std::string& name) { return Intern(fontRefs_, name); }
    /// The font name of a key or a text-engine font, or nullptr.
    const std::string* FontKeyName(ObjectId id) const { return Lookup(fontKeys_, id); }
    const std::string* FontRefName(ObjectId id) const { return Lookup(fontRefs_, id); }

 private:
    using Names = std::map<std::string, ObjectId>;
    static ObjectId Intern(Names& names, const std::string& name) {
        auto& id = names[name];
        if (id == 0) id = NextObjectId();
        return id;
    }
    static const std::string* Lookup(const Names& names, ObjectId id) {
        for (const auto& [name, known] : names)
            if (known == id) return &name;
        return nullptr;
    }
    Names fontKeys_, fontRefs_;
};

}  // namespace host
