// Namespaces and the attributes of the host's own namespace that carry what SVG has no
// word for: names, tags, attributes, original colours, layer states, text features.
#pragma once

namespace host::svg {

constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr const char* kXLinkNamespace = "http://www.w3.org/1999/xlink";
constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";
constexpr const char* kSodipodiNamespace = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";
constexpr const char* kQuillNamespace = "https://quill.invalid/ns/1";

/// The prefix the export writes for each namespace (the import goes by the URI).
constexpr const char* kQuillPrefix = "quill";
constexpr const char* kInkscapePrefix = "inkscape";
constexpr const char* kSodipodiPrefix = "sodipodi";
/// Kept elements may say xlink:href, also in a file that forgot to declare it.
constexpr const char* kXLinkPrefix = "xlink";

// Local names in the host's namespace.
namespace quill_attr {
/// On a top-level group: the layer's title (the group is a layer).
constexpr const char* kLayer = "layer";
/// On a layer: "locked" and "hidden" as words; the layer's colour as "R G B" (0-65535).
constexpr const char* kLayerState = "layer-state";
constexpr const char* kLayerColor = "layer-color";
/// The art's name.
constexpr const char* kName = "name";
/// The art's attributes as words: "locked hidden selected fully-selected guide".
constexpr const char* kAttributes = "attributes";
/// A tag: "tag-" followed by the tag's name (escaped), value in the attribute.
constexpr const char* kTagPrefix = "tag-";
/// Suffix of an attribute whose value is written with %HH escapes (control characters).
constexpr const char* kEscapedSuffix = "-x";
/// Per anchor '1' corner or '0' smooth, when they differ from what the geometry says.
constexpr const char* kCorners = "corners";
/// Of an open path, the handles SVG cannot draw: "X Y X Y", the first anchor's
/// incoming and the last anchor's outgoing control points, when they are out.
constexpr const char* kEndHandles = "end-handles";
/// Original colours: "gray G", "cmyk C M Y K", "rgb R G B" (exact), "custom TINT NAME".
constexpr const char* kFillColor = "fill-color";
constexpr const char* kStrokeColor = "stroke-color";
/// Overprint flags, "true" when set.
constexpr const char* kFillOverprint = "fill-overprint";
constexpr const char* kStrokeOverprint = "stroke-overprint";
/// Text features SVG lacks or rounds: the font's full name, tracking (1/1000 em), indents.
constexpr const char* kFont = "font";
constexpr const char* kTracking = "tracking";
constexpr const char* kFirstLineIndent = "first-line-indent";
constexpr const char* kStartIndent = "start-indent";
/// The text's exact contents when the visible lines cannot hold them.
constexpr const char* kContents = "contents";
/// An element inside a compound path's <path>, one per member in the order of its
/// contours, with the member's name, attributes, tags, corners and end handles.
constexpr const char* kMember = "member";
/// An element inside a root-level <metadata>: the plug-in's settings the drawing was saved
/// with, as JSON text.
constexpr const char* kSettings = "settings";
}  // namespace quill_attr

}  // namespace host::svg
