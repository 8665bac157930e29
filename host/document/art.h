// One piece of art of the stand-in host's document: a group, a path, a compound path or a
// point text.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/document/art_pool.h"
#include "host/document/kept_markup.h"
#include "host/document/stroke_space.h"
#include "sdk/sdk.h"

namespace host {

class Layer;
class Art;

std::unique_ptr<Art> CopyOwnFields(const Art& art);
void WriteOwnFields(const Art& from, Art& to);

/// Identity of art and layers. Never reused, so a handle outlives nothing.
using ObjectId = std::uint64_t;
/// Where art stands in the paint order: the larger, the later it is painted.
using PaintRankValue = std::uint64_t;

/// A compound path holds paths only (its members, one contour each) and paints them as
/// one shape with its own style, fill rule included.
enum class ArtKind { Group, Path, Text, CompoundPath };

/// Art that holds other art: groups and compound paths.
inline bool HoldsArt(ArtKind kind) {
    return kind == ArtKind::Group || kind == ArtKind::CompoundPath;
}

/// A text that is nearly always empty, kept in one pointer: "" when there is none.
class RareText {
 public:
    RareText() = default;
    RareText(const char* text) { *this = std::string(text); }
    RareText(const std::string& text) { *this = text; }
    RareText(const RareText& other) { *this = other.str(); }
    RareText(RareText&&) = default;
    RareText& operator=(const RareText& other) { return *this = other.str(); }
    RareText& operator=(RareText&&) = default;
    RareText& operator=(const std::string& text) {
        text_ = text.empty() ? nullptr : std::make_unique<std::string>(text);
        return *this;
    }
    RareText& operator=(const char* text) { return *this = std::string(text); }
    const std::string& str() const;
    operator const std::string&() const { return str(); }
    bool empty() const { return !text_; }
    bool operator==(const std::string& other) const { return str() == other; }
    bool operator==(const RareText& other) const { return str() == other.str(); }
    bool operator==(const char* other) const { return str() == other; }

 private:
    std::unique_ptr<std::string> text_;
};

/// A colour as the document keeps it; custom colours by name.
struct Color {
    enum class Kind { None, Gray, RGB, CMYK, Custom };
    Kind kind = Kind::None;
    float v[4] = {0, 0, 0, 0};  // gray (ink: 0 white, 1 black) in v[0]; r g b; c m y k
    float tint = 0;             // Custom only
    RareText customName;        // Custom only
    bool operator==(const Color& o) const;
};

/// How a path is painted; mirrors the SDK's path style with colours by value.
struct PaintStyle {
    // Wide members first and the flags together: every path holds one.
    Color fill;
    Color stroke{Color::Kind::Gray, {1, 0, 0, 0}, 0, ""};  // black ink
    std::vector<float> dash;
    float width = 1;
    float dashOffset = 0;
    int cap = kAIButtCap;
    int join = kAIMiterJoin;
    float miterLimit = 4;
    bool fillPaint = false;
    bool fillOverprint = false;
    bool strokePaint = true;
    bool strokeOverprint = false;
    bool evenOdd = false;
};

/// Whether two styles are the same to the bit (a zero's sign, a NaN's payload and all),
/// so that art may share one without anything it writes changing.
bool IdenticalStyle(const PaintStyle& a, const PaintStyle& b);

/// The step from one paragraph's baseline to the next, in multiples of the font size,
/// unless a text has its own.
inline constexpr float kDefaultLineStep = 1.2f;

/// Character and paragraph features of a point text (one run: the whole text).
struct TextStyle {
    std::string font;  // full font name
    float size = 12;
    float baselineShift = 0;
    int tracking = 0;
    int justification = kLeftJustify;
    float firstLineIndent = 0;
    float startIndent = 0;
    float lineStep = kDefaultLineStep;  // between paragraphs' baselines, in font sizes
    Color fill{Color::Kind::Gray, {1, 0, 0, 0}, 0, ""};  // black ink
    bool fillOverprint = false;
};

/// What only a point text has. The anchor is the matrix's translation.
struct PointText {
    std::string contents;  // UTF-8, "\r" between paragraphs
    AIRealMatrix matrix{1, 0, 0, 1, 0, 0};
    TextStyle style;
};

class Art final {  // final: its room is always an art's own size (see art_pool.h)
 public:
    Art(ObjectId id, ArtKind kind) : kind_(kind), id_(id) {}

    static void* operator new(std::size_t size) { return TakeArtRoom(size); }
    static void operator delete(void* room, std::size_t size) noexcept {
        GiveBackArtRoom(room, size);
    }

    ObjectId id() const { return id_; }
    ArtKind kind() const { return kind_; }
    Art* parent() const { return parent_; }
    /// The layer whose group this art is, or nullptr.
    Layer* layerOfGroup() const { return layerOfGroup_; }
    /// Where the document's paint order has it (see Document::PaintRank).
    PaintRankValue paintRank() const { return paintRank_; }
    /// Children from bottom (painted first) to top.
    const std::vector<std::unique_ptr<Art>>& children() const { return children_; }

    // Members in an order that leaves no gaps: a large drawing holds many thousands.
    RareText name;  // UTF-8; empty means the default name
    /// String tags in the order they were first set.
    std::vector<std::pair<std::string, std::string>> tags;

    // Paths; a compound path has a style too, which its members share.
    std::vector<AIPathSegment> segments;
    bool closed = false;

    std::int32_t attributes = 0;  // kArtSelected, kArtLocked, ...

    /// A path's stroke space, kept only for paths drawn stretched or skewed in the file
    /// they came from; nearly always none. Art made by the plug-in never has one.
    std::unique_ptr<StrokeSpace> strokeSpace;

    /// A point text's own part, made when first asked for: other art carries none.
    PointText& text() {
        if (!text_) text_ = std::make_unique<PointText>();
        return *text_;
    }
    /// The point text's part, or one at its defaults for art that has none.
    const PointText& text() const { return text_ ? *text_ : NoText(); }

    /// What the file said of the art that the document does not model; nullptr for
    /// nearly all art.
    const KeptMarkup* kept() const { return kept_.get(); }
    KeptMarkup& keep() {
        if (!kept_) kept_ = std::make_unique<KeptMarkup>();
        return *kept_;
    }
    /// The compound path this path is a member of, or nullptr.
    Art* compound() const {
        return parent_ && parent_->kind_ == ArtKind::CompoundPath ? parent_ : nullptr;
    }

    /// How the path (or compound path) is painted. Art that paints alike may share one
    /// style: a drawing holds many thousands of paths and few different styles.
    const PaintStyle& style() const { return *style_; }
    /// The style to change: this art's own, copied first when other art shares it.
    PaintStyle& editStyle();
    /// Paints with `style`; a style the same to the bit as the art's stays as it is (shared
    /// or not), and nothing is allocated.
    void setStyle(const PaintStyle& style);
    /// Paints as `other` does, sharing its style until either is changed.
    void shareStyleOf(const Art& other) { style_ = other.style_; }

    const std::string* FindTag(std::string_view tagName) const;
    void SetTag(std::string_view tagName, const std::string& value);
    void RemoveTag(std::string_view tagName);

 private:
    friend class Document;
    friend std::unique_ptr<Art> CopyOwnFields(const Art& art);
    friend void WriteOwnFields(const Art& from, Art& to);
    ArtKind kind_;
    ObjectId id_;
    Art* parent_ = nullptr;
    Layer* layerOfGroup_ = nullptr;
    std::vector<std::unique_ptr<Art>> children_;
    std::unique_ptr<PointText> text_;
    std::unique_ptr<KeptMarkup> kept_;
    mutable PaintRankValue paintRank_ = 0;  // kept by the document with its paint order
    std::shared_ptr<PaintStyle> style_ = DefaultStyle();
    static const PointText& NoText();
    static const std::shared_ptr<PaintStyle>& DefaultStyle();
};

class Layer {
 public:
    Layer(ObjectId id, std::unique_ptr<Art> group) : id_(id), group_(std::move(group)) {}
    ObjectId id() const { return id_; }
    Art* group() const { return group_.get(); }

    std::string title;  // UTF-8
    bool locked = false;
    bool visible = true;
    AIRGBColor color{0x4F4F, 0x8080, 0xFFFF};

 private:
    ObjectId id_;
    std::unique_ptr<Art> group_;
};

}  // namespace host
