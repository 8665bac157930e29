#include "host/svg/svg_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "host/svg/svg_art_reader.h"
#include "host/svg/svg_element_attributes.h"
#include "host/svg/svg_host_attributes.h"
#include "host/svg/svg_kept_reader.h"
#include "host/svg/svg_layers.h"
#include "host/svg/svg_members.h"
#include "host/svg/svg_names.h"
#include "host/svg/svg_numbers.h"
#include "host/svg/svg_segments.h"
#include "host/svg/svg_settings.h"
#include "host/svg/svg_shapes.h"
#include "host/svg/svg_style_sheets.h"
#include "host/svg/svg_text_reader.h"
#include "host/svg/svg_viewport.h"

namespace host::svg {

namespace {

constexpr int kDeepestNesting = 256;
constexpr int kDeepestUse = 16;
// Beyond these a drawing is taken as hostile rather than let it exhaust the memory
// (uses of uses multiply what a small file draws).
constexpr std::size_t kMostArt = 250000;
constexpr std::size_t kMostAnchorsInDrawing = 2 * kMostAnchors;
constexpr std::size_t kArtBetweenProgress = 4096;

// Elements the document has art for; any other element is kept whole at its place.
constexpr std::string_view kArtElements[] = {"g",    "a",        "switch", "svg",    "use",
                                             "text", "path",     "rect",   "circle", "ellipse",
                                             "line", "polyline", "polygon"};

// Elements that draw nothing where they stand (definitions, descriptions): beside the
// layers, their place among the drawing's art does not matter.
constexpr std::string_view kDrawingNothing[] = {"defs",
                                                "style",
                                                "symbol",
                                                "title",
                                                "desc",
                                                "metadata",
                                                "script",
                                                "linearGradient",
                                                "radialGradient",
                                                "pattern",
                                                "marker",
                                                "clipPath",
                                                "mask",
                                                "filter",
                                                "font",
                                                "font-face",
                                                "color-profile",
                                                "cursor",
                                                "view",
                                                "animate",
                                                "animateColor",
                                                "animateMotion",
                                                "animateTransform",
                                                "set",
                                                "missing-glyph"};

template <class Table>
bool InTable(const Table& table, std::string_view name) {
    return std::find_if(std::begin(table), std::end(table),
                        [&](const auto& entry) { return name == entry; }) != std::end(table);
}

class TreeReader {
 public:
    TreeReader(Document& document, ReaderContext& context)
        : document_(document), context_(context) {}

    void ReadElement(const pugi::xml_node& node, const Frame& parent, Art* into, int depth);
    void ReadChildren(const pugi::xml_node& node, const Frame& frame, Art* into, int depth);
    void ReadSwitchChildren(const pugi::xml_node& node, const Frame& frame, Art* group, int depth);

 private:
    Art* NewArt(ArtKind kind, Art* into, const pugi::xml_node& node);
    void KeepWhole(const pugi::xml_node& node, const Frame& parent, Art* into);
    void Keep(const pugi::xml_node& node, const Frame& frame, Art* art) {
        KeepMarkup(node, frame, useStack_.empty(), context_, art);
    }
    Outline DocumentOutline(const pugi::xml_node& node, std::string_view name, const Frame& frame,
                            const std::vector<pugi::xml_node>& members);
    void ReadShape(const pugi::xml_node& node, std::string_view name, const Frame& frame,
                   Art* into);
    void ReadUse(const pugi::xml_node& node, const Frame& frame, Art* into, int depth);
    void ReadViewport(const pugi::xml_node& node, const pugi::xml_node& sizeSource,
                      const Frame& frame, Art* into, int depth);
    void NoteMove(const pugi::xml_node& node, const Frame& parent, const Frame& frame, Art* art);

    Document& document_;
    ReaderContext& context_;
    std::size_t artCount_ = 0;
    std::size_t anchorCount_ = 0;
    std::vector<pugi::xml_node> useStack_;  // targets being instanced, innermost last
    int elementsWithIdOpen_ = 0;            // being read, around the element being read
    // Holds the style last read (it is in no document): shapes that paint alike share it.
    Art lastPaint_{0, ArtKind::Path};
};

Art* TreeReader::NewArt(ArtKind kind, Art* into, const pugi::xml_node& node) {
    if (++artCount_ > kMostArt)
        context_.Fail(node, "more than " + std::to_string(kMostArt) + " objects in the drawing");
    if (artCount_ % kArtBetweenProgress == 0) context_.Progress(node);
    Art* art = document_.NewArt(kind, kPlaceInsideOnTop, into);
    if (!art) context_.Fail(node, "the element has no place in the document");
    return art;
}

void TreeReader::KeepWhole(const pugi::xml_node& node, const Frame& parent, Art* into) {
    Art* piece = NewArt(ArtKind::Group, into, node);
    KeepWholeElement(node, parent.ctm, piece);
}

void TreeReader::ReadChildren(const pugi::xml_node& node, const Frame& frame, Art* into,
                              int depth) {
    // A use may draw an element with an id again, whole: what it holds stays in the tree.
    const bool mayBeUsed = !IdAttribute(node).empty();
    if (mayBeUsed) ++elementsWithIdOpen_;
    for (pugi::xml_node child = node.first_child(), next; child; child = next) {
        next = child.next_sibling();
        ReadElement(child, frame, into, depth + 1);
        // What an instance reads is read again by the next instance.
        if (useStack_.empty() && elementsWithIdOpen_ == 0) context_.Release(child, next);
    }
    if (mayBeUsed) --elementsWithIdOpen_;
}

// A switch draws its first child that draws anything and asks for no extension (editors
// put their own private data first, for themselves); the others are kept as they stand,
// so that the saved switch still offers them.
void TreeReader::ReadSwitchChildren(const pugi::xml_node& node, const Frame& frame, Art* group,
                                    int depth) {
    bool drawn = false;
    for (auto child : node.children()) {
        if (child.type() != pugi::node_element && child.type() != pugi::node_comment) continue;
        const std::string_view name = context_.SvgName(child);
        if (!drawn && !name.empty() && !InTable(kDrawingNothing, name) &&
            !*child.attribute("requiredExtensions").value()) {
            drawn = true;
            ReadElement(child, frame, group, depth + 1);
        } else {
            KeepWhole(child, frame, group);
        }
    }
}

void TreeReader::ReadElement(const pugi::xml_node& node, const Frame& parent, Art* into,
                             int depth) {
    // A comment stays where it was among the art.
    if (node.type() == pugi::node_comment) return KeepWhole(node, parent, into);
    if (node.type() != pugi::node_element) return;
    std::string_view name = context_.SvgName(node);
    if (!InTable(kArtElements, name) || (name == "text" && IsTextWithoutArt(node, context_)))
        return KeepWhole(node, parent, into);
    if (depth > kDeepestNesting)
        return context_.Warn(
            node, "skipped: nested more than " + std::to_string(kDeepestNesting) + " deep");
    Frame frame = ChildFrame(node, parent, context_);
    if (name == "g" || name == "a" || name == "switch") {
        if (Document::DepthInside(into) > kDeepestGroups)
            return context_.Warn(node, "skipped: groups nested more than " +
                                           std::to_string(kDeepestGroups) + " deep");
        Art* group = NewArt(ArtKind::Group, into, node);
        ReadArtIdentity(node, frame.style, context_, group);
        Keep(node, frame, group);
        if (name != "g") group->keep().elementName = std::string(name);
        NoteMove(node, parent, frame, group);
        if (name != "switch") return ReadChildren(node, frame, group, depth);
        ReadSwitchChildren(node, frame, group, depth);
    } else if (name == "svg") {
        ReadViewport(node, node, frame, into, depth);
    } else if (name == "use") {
        ReadUse(node, frame, into, depth);
    } else if (name == "text") {
        if (++artCount_ > kMostArt)
            context_.Fail(node,
                          "more than " + std::to_string(kMostArt) + " objects in the drawing");
        Keep(node, frame, ReadText(document_, into, node, frame, parent.ctm.MeanScale(), context_));
    } else if (IsShapeElement(name)) {
        const std::size_t before = into->children().size();
        ReadShape(node, name, frame, into);
        if (into->children().size() > before)
            NoteMove(node, parent, frame, into->children().back().get());
    }
}

// What the element's own transform did to it, as the document sees it: the parent's space
// to points, after the transform, after the way back.
void TreeReader::NoteMove(const pugi::xml_node& node, const Frame& parent, const Frame& frame,
                          Art* art) {
    if (!*context_.AttributesOf(node).transform.value() || !useStack_.empty()) return;
    const std::optional<Matrix> back = Inverse(parent.ctm);
    if (!back) return;
    const Matrix m = frame.ctm * *back;
    const PlaneMap move{m.a, m.b, m.c, m.d, m.e, m.f};
    if (!move.IsIdentity()) document_.NoteFileMove(art->id(), move);
}

// The outline in document points, with the end handles the host recorded for an open
// path or for the members of a compound path (in the path's own user space, before the
// transform).
Outline TreeReader::DocumentOutline(const pugi::xml_node& node, std::string_view name,
                                    const Frame& frame,
                                    const std::vector<pugi::xml_node>& members) {
    Outline outline = ShapeOutline(node, name, frame.lengths, context_);
    // A path of the host's own files is kept even without anchors: it has a name and tags.
    if (outline.empty() && name == "path" && context_.Declares(Namespace::Quill))
        outline.emplace_back();
    auto ends = ReadHostText(context_, node, quill_attr::kEndHandles);
    if (ends && outline.size() == 1 && !ApplyEndHandleRecord(*ends, outline.front()))
        context_.Warn(node, "ignored quill:end-handles=\"" + *ends + "\"");
    if (members.size() == outline.size())
        for (std::size_t i = 0; i < members.size(); ++i) {
            auto memberEnds = ReadHostText(context_, members[i], quill_attr::kEndHandles);
            if (memberEnds && !ApplyEndHandleRecord(*memberEnds, outline[i]))
                context_.Warn(node, "ignored quill:end-handles=\"" + *memberEnds + "\"");
        }
    TransformOutline(outline, frame.ctm);
    for (const auto& contour : outline) anchorCount_ += contour.nodes.size();
    if (anchorCount_ > kMostAnchorsInDrawing)
        context_.Fail(
            node, "more than " + std::to_string(kMostAnchorsInDrawing) + " anchors in the drawing");
    for (const auto& contour : outline)
        for (const auto& n : contour.nodes)
            for (Point p : {n.p, n.in, n.out})
                if (!(std::fabs(p.x) <= kLargestCoordinate && std::fabs(p.y) <= kLargestCoordinate))
                    context_.Fail(node, "coordinate out of range");
    return outline;
}

void TreeReader::ReadShape(const pugi::xml_node& node, std::string_view name, const Frame& frame,
                           Art* into) {
    const std::vector<pugi::xml_node> members = MemberRecords(context_, node);
    Outline outline = DocumentOutline(node, name, frame, members);
    if (outline.empty()) return;
    if (!members.empty() && members.size() != outline.size())
        context_.Warn(node, "ignored " + std::to_string(members.size()) + " member records for " +
                                std::to_string(outline.size()) + " contours");
    const bool ownRecords = members.size() == outline.size();
    const PaintStyle paint = ReadPaintStyle(node, frame.style, frame.ctm, context_);
    if (!IdenticalStyle(lastPaint_.style(), paint)) lastPaint_.setStyle(paint);
    // Several contours become one compound path, painted as one shape: holes stay holes.
    Art* holder = into;
    if (outline.size() > 1) {
        holder = NewArt(ArtKind::CompoundPath, into, node);
        ReadArtIdentity(node, frame.style, context_, holder);
        holder->shareStyleOf(lastPaint_);
        Keep(node, frame, holder);
    }
    std::string corners = ReadHostText(context_, node, quill_attr::kCorners).value_or("");
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Contour& contour = outline[i];
        if (contour.nodes.size() > kMostPathAnchors) {
            context_.Warn(node, "skipped: a path of more than " + std::to_string(kMostPathAnchors) +
                                    " anchors");
            continue;
        }
        Art* path = NewArt(ArtKind::Path, holder, node);
        if (outline.size() == 1) ReadArtIdentity(node, frame.style, context_, path);
        if (outline.size() == 1) Keep(node, frame, path);
        if (ownRecords) {
            ReadArtIdentity(members[i], Style(), context_, path);
            corners = ReadHostText(context_, members[i], quill_attr::kCorners).value_or("");
        }
        path->shareStyleOf(lastPaint_);
        // A stroke stretched or skewed by its transform keeps that shape.
        if (paint.strokePaint)
            path->strokeSpace = MakeStrokeSpace(frame.ctm.a, frame.ctm.b, frame.ctm.c, frame.ctm.d);
        document_.SetSegments(path, DocumentSegments(contour, corners));
        document_.SetClosed(path, contour.closed);
    }
}

void TreeReader::ReadUse(const pugi::xml_node& node, const Frame& frame, Art* into, int depth) {
    auto href = context_.Attribute(node, Namespace::XLink, "href");
    std::string_view reference = href ? href.value() : node.attribute("href").value();
    pugi::xml_node target = !reference.empty() && reference.front() == '#'
                                ? context_.FindById(std::string(reference.substr(1)))
                                : pugi::xml_node();
    if (!target)
        return context_.Warn(node,
                             "skipped: reference \"" + std::string(reference) + "\" not found");
    for (pugi::xml_node up = node; up; up = up.parent())
        if (up == target) return context_.Warn(node, "skipped: the element refers to itself");
    if (std::find(useStack_.begin(), useStack_.end(), target) != useStack_.end() ||
        static_cast<int>(useStack_.size()) >= kDeepestUse)
        return context_.Warn(node, "skipped: references nested too deep or in a circle");
    Frame placed = frame;
    placed.ctm =
        frame.ctm *
        Translation(LengthAttribute(node, "x", LengthAxis::Horizontal, frame.lengths, 0, context_),
                    LengthAttribute(node, "y", LengthAxis::Vertical, frame.lengths, 0, context_));
    Art* group = NewArt(ArtKind::Group, into, node);
    ReadArtIdentity(node, frame.style, context_, group);
    Keep(node, frame, group);
    useStack_.push_back(target);
    std::string_view kind = context_.SvgName(target);
    if (kind == "symbol" || kind == "svg")
        ReadViewport(target, node, ChildFrame(target, placed, context_), group, depth + 1);
    else
        ReadElement(target, placed, group, depth + 1);
    useStack_.pop_back();
}

// A nested svg, or a symbol or svg drawn by a use whose width and height win.
void TreeReader::ReadViewport(const pugi::xml_node& node, const pugi::xml_node& sizeSource,
                              const Frame& frame, Art* into, int depth) {
    Frame inner = frame;
    Viewport viewport = NestedViewport(node, sizeSource, frame.lengths, context_);
    inner.ctm = frame.ctm * viewport.toParent;
    inner.lengths.viewportWidth = viewport.userWidth;
    inner.lengths.viewportHeight = viewport.userHeight;
    if (!inner.ctm.IsFinite()) context_.Fail(node, "viewport out of range");
    Art* group = NewArt(ArtKind::Group, into, node);
    ReadArtIdentity(node, frame.style, context_, group);
    Keep(node, frame, group);
    if (!viewport.drawsNothing) ReadChildren(node, inner, group, depth);
}

}  // namespace

std::unique_ptr<Document> ReadSvgTree(const pugi::xml_node& root, ReaderContext& context) {
    if (context.SvgName(root) != "svg") context.Fail(root, "the root element is not <svg>");
    Viewport page = RootViewport(root, context);
    auto document = std::make_unique<Document>(static_cast<float>(page.pageWidth),
                                               static_cast<float>(page.pageHeight));
    const Matrix& m = page.toParent;
    document->SetFileSpace(FileSpace{m.a, m.b, m.c, m.d, m.e, m.f, true});
    KeepRootMarkup(root, context, *document);
    const auto& styles = context.StyleElements();
    document->SetKeepsStyleSheets(std::any_of(styles.begin(), styles.end(), [&](const auto& s) {
        return context.SvgName(s) == "style";
    }));
    // Most elements become one piece of art (a path of several contours a few more).
    document->ReserveArt(std::min(context.ElementCount(), kMostArt));
    Frame frame;
    frame.ctm = page.toParent;
    frame.lengths.viewportWidth = page.userWidth;
    frame.lengths.viewportHeight = page.userHeight;
    context.SetRules(ReadStyleSheets(context));
    frame.style = CascadeStyle(Style(), root, frame.lengths, context);
    TreeReader reader(*document, context);
    LayerBuilder layers(*document, context);
    for (auto child : root.children()) {
        if (IsLayerGroup(child, context)) {
            Frame layerFrame = ChildFrame(child, frame, context);
            Layer* layer = layers.NewLayer(child, layerFrame.style);
            KeepLayerMarkup(child, layerFrame, context, layer->group());
            // A layer's art stands as deep as art outside any layer: saved, such art is
            // written into a layer, and must read back as it was.
            reader.ReadChildren(child, layerFrame, layer->group(), 0);
        } else if (child.type() == pugi::node_comment) {
            KeepBesideLayers(child, *document);
        } else if (child.type() != pugi::node_element) {
            continue;
        } else if (context.SvgName(child).empty() ||
                   InTable(kDrawingNothing, context.SvgName(child))) {
            if (context.SvgName(child) != "metadata" || TakeHostSettings(child, context, *document))
                KeepBesideLayers(child, *document);
        } else {
            reader.ReadElement(child, frame, layers.StrayLayer()->group(), 1);
        }
    }
    layers.Finish();
    return document;
}

}  // namespace host::svg
