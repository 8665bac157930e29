#include "host/svg/svg_art_writer.h"

#include <string>

#include "host/fonts/font_description.h"
#include "host/svg/svg_document_colors.h"
#include "host/svg/svg_host_attributes.h"
#include "host/svg/svg_inline_style.h"
#include "host/svg/svg_names.h"
#include "host/svg/svg_numbers.h"
#include "host/svg/svg_segments.h"
#include "host/svg/svg_stroke_space.h"
#include "host/svg/svg_style.h"

namespace host::svg {

namespace {

constexpr float kTrackingPerEm = 1000;

std::string HostName(const char* localName) {
    return std::string(kQuillPrefix) + ":" + localName;
}

void Set(pugi::xml_node node, const char* name, const char* value) {
    node.append_attribute(name).set_value(value);
}
void Set(pugi::xml_node node, const std::string& name, const std::string& value) {
    Set(node, name.c_str(), value.c_str());
}

bool Retracted(AIRealPoint handle, AIRealPoint anchor) {
    return handle.h == anchor.h && handle.v == anchor.v;
}

// A point as the document holds it, or mapped by `back` into the space the path is
// written in (with every digit of the double, so that it reads back the same).
void AppendPair(std::string& d, AIRealPoint p, const Matrix* back) {
    if (back) {
        const Point q = back->Apply({p.h, p.v});
        d += FormatDouble(q.x) + ' ' + FormatDouble(q.y);
        return;
    }
    AppendFloat(d, p.h);
    d += ' ';
    AppendFloat(d, p.v);
}

void AppendSegment(std::string& d, const AIPathSegment& from, const AIPathSegment& to,
                   const Matrix* back) {
    if (Retracted(from.out, from.p) && Retracted(to.in, to.p)) {
        d += " L ";
        return AppendPair(d, to.p, back);
    }
    d += " C ";
    AppendPair(d, from.out, back);
    d += ' ';
    AppendPair(d, to.in, back);
    d += ' ';
    AppendPair(d, to.p, back);
}

// Name, tags and attributes; hidden art is also hidden for other programs.
void WriteIdentity(pugi::xml_node node, const Art& art) {
    if (!art.name.empty()) WriteHostText(node, quill_attr::kName, art.name);
    if (art.attributes != 0)
        Set(node, HostName(quill_attr::kAttributes), AttributeWords(art.attributes));
    if (art.attributes & kArtHidden) Set(node, "display", "none");
    WriteTags(node, art.tags);
}

// A colour: what shows, and the exact colour when #rrggbb cannot say it. An unpainted
// colour is kept too, for the next time the art is painted.
void WritePaint(pugi::xml_node node, const char* property, const char* recordName, bool painted,
                const Color& color) {
    bool shows = painted && color.kind != Color::Kind::None;
    Set(node, property, shows ? HexColor(VisibleRgb(color)) : "none");
    std::string record = ColorRecord(color, shows);
    if (!record.empty()) WriteHostText(node, recordName, record);
}

// Lengths are divided by `scale`, the size of a point in the element's user space.
void WriteStroke(pugi::xml_node node, const PaintStyle& s, float scale) {
    static const char* caps[] = {"butt", "round", "square"};
    static const char* joins[] = {"miter", "round", "bevel"};
    Set(node, "stroke-width", FormatFloat(s.width / scale));
    if (s.cap > 0 && s.cap <= 2) Set(node, "stroke-linecap", caps[s.cap]);
    if (s.join > 0 && s.join <= 2) Set(node, "stroke-linejoin", joins[s.join]);
    if (s.miterLimit != 4) Set(node, "stroke-miterlimit", FormatFloat(s.miterLimit));
    if (!s.dash.empty()) {
        std::string dashes;
        for (float d : s.dash) dashes += (dashes.empty() ? "" : " ") + FormatFloat(d / scale);
        Set(node, "stroke-dasharray", dashes);
    }
    if (s.dashOffset != 0) Set(node, "stroke-dashoffset", FormatFloat(s.dashOffset / scale));
}

// The segments in a user space other than the document's.
std::vector<AIPathSegment> SegmentsIn(const Matrix& space,
                                      const std::vector<AIPathSegment>& segments) {
    return SegmentsMapped(segments, Inverse(space).value_or(Matrix()));
}

// A path's segments as written in `space`: the document's own when it is the page's.
class SegmentsWritten {
 public:
    SegmentsWritten(const Art& path, const Matrix& space)
        : inDocument_(IsIdentity(space)),
          moved_(inDocument_ ? std::vector<AIPathSegment>() : SegmentsIn(space, path.segments)),
          segments_(inDocument_ ? path.segments : moved_) {}
    SegmentsWritten(const SegmentsWritten&) = delete;
    const std::vector<AIPathSegment>& get() const { return segments_; }

 private:
    bool inDocument_;
    std::vector<AIPathSegment> moved_;
    const std::vector<AIPathSegment>& segments_;
};

// Lengths are divided by the size of a point in the element's user space.
float PointSize(const Matrix& space) {
    return IsIdentity(space) ? 1.0f : static_cast<float>(space.MeanScale());
}

void WritePathPaint(pugi::xml_node node, const PaintStyle& s, float scale) {
    WritePaint(node, "fill", quill_attr::kFillColor, s.fillPaint, s.fill);
    if (s.evenOdd) Set(node, "fill-rule", "evenodd");
    WritePaint(node, "stroke", quill_attr::kStrokeColor, s.strokePaint, s.stroke);
    WriteStroke(node, s, scale);
    if (s.fillOverprint) Set(node, HostName(quill_attr::kFillOverprint), "true");
    if (s.strokeOverprint) Set(node, HostName(quill_attr::kStrokeOverprint), "true");
}

// What the path data cannot say about the anchors.
void WriteAnchorRecords(pugi::xml_node node, const std::vector<AIPathSegment>& segments,
                        bool closed, const StrokeSpace* stroke = nullptr) {
    std::string corners = CornerRecord(segments);
    if (!corners.empty()) Set(node, HostName(quill_attr::kCorners), corners);
    // The record is in the path's own coordinates, those of its stroke space if it has one.
    std::string ends =
        EndHandleRecord(stroke ? SegmentsInSpace(segments, *stroke) : segments, closed);
    if (!ends.empty()) Set(node, HostName(quill_attr::kEndHandles), ends);
}

pugi::xml_node WritePath(pugi::xml_node parent, const Art& art, const Matrix& space) {
    pugi::xml_node node = parent.append_child("path");
    WriteIdentity(node, art);
    // Written in the user space a reference needs, the path has the file's transform
    // back, for which its stroke space only stands.
    const StrokeSpace* stroke = IsIdentity(space) ? art.strokeSpace.get() : nullptr;
    if (stroke) Set(node, "transform", StrokeSpaceTransform(*stroke));
    const SegmentsWritten segments(art, space);
    Set(node, "d", PathData(segments.get(), art.closed, stroke));
    WritePathPaint(node, art.style(), PointSize(space));
    WriteAnchorRecords(node, segments.get(), art.closed, stroke);
    return node;
}

bool HasOwnRecord(const Art& member) {
    return !member.name.empty() || member.attributes != 0 || !member.tags.empty() ||
           !CornerRecord(member.segments).empty() ||
           !EndHandleRecord(member.segments, member.closed).empty();
}

// One <path> of every member's contour, painted as the compound path is; the members'
// own records follow inside it, one for each, when any of them has one.
pugi::xml_node WriteCompoundPath(pugi::xml_node parent, const Art& art, const Matrix& space) {
    pugi::xml_node node = parent.append_child("path");
    WriteIdentity(node, art);
    // The contours of one <path> share its transform: the first member's stroke space is
    // the shape's (unless the shape is written in a reference's user space, as a path).
    const StrokeSpace* stroke = nullptr;
    for (const auto& member : art.children()) {
        if (member->segments.empty()) continue;
        if (IsIdentity(space)) stroke = member->strokeSpace.get();
        break;
    }
    if (stroke) Set(node, "transform", StrokeSpaceTransform(*stroke));
    std::string d;
    bool records = false;
    for (const auto& member : art.children()) {
        if (member->segments.empty()) continue;
        if (!d.empty()) d += ' ';
        d += PathData(SegmentsWritten(*member, space).get(), member->closed, stroke);
        records = records || HasOwnRecord(*member);
    }
    Set(node, "d", d);
    WritePathPaint(node, art.style(), PointSize(space));
    if (!art.style().evenOdd) Set(node, "fill-rule", "nonzero");
    if (!records) return node;
    const std::string recordName = HostName(quill_attr::kMember);
    for (const auto& member : art.children()) {
        if (member->segments.empty()) continue;
        pugi::xml_node record = node.append_child(recordName.c_str());
        WriteIdentity(record, *member);
        WriteAnchorRecords(record, SegmentsWritten(*member, space).get(), member->closed, stroke);
    }
    return node;
}

// The family that leads other programs to the same face, with its weight and style; the
// full name as well when the family alone does not say it. A text without a font is left
// to the reader's default font, as in the file it came from.
void WriteFont(pugi::xml_node node, const std::string& fullName) {
    if (fullName.empty()) return;
    const FontDescription font = DescribeFont(fullName);
    const std::string families = CssFontFamily(font);
    Set(node, "font-family", families);
    if (const std::string weight = CssFontWeight(font.weight); weight != "normal")
        Set(node, "font-weight", weight);
    if (font.slant != FontSlant::Upright) Set(node, "font-style", CssFontStyle(font.slant));
    const auto written = FontFamilies(families);
    if (written.empty() || written.front() != fullName || !IsXmlSafe(fullName))
        WriteHostText(node, quill_attr::kFont, fullName);
}

void WriteTextFeatures(pugi::xml_node node, const TextStyle& t) {
    static const char* anchors[] = {"start", "end", "middle"};  // left, right, centre
    WriteFont(node, t.font);
    Set(node, "font-size", FormatFloat(t.size));
    if (t.justification > 0 && t.justification <= 2)
        Set(node, "text-anchor", anchors[t.justification]);
    if (t.baselineShift != 0) Set(node, "baseline-shift", FormatFloat(t.baselineShift));
    if (t.tracking != 0) {
        Set(node, "letter-spacing",
            FormatFloat(static_cast<float>(t.tracking) / kTrackingPerEm * t.size));
        Set(node, HostName(quill_attr::kTracking), std::to_string(t.tracking));
    }
    if (t.firstLineIndent != 0)
        Set(node, HostName(quill_attr::kFirstLineIndent), FormatFloat(t.firstLineIndent));
    if (t.startIndent != 0)
        Set(node, HostName(quill_attr::kStartIndent), FormatFloat(t.startIndent));
    WritePaint(node, "fill", quill_attr::kFillColor, t.fill.kind != Color::Kind::None, t.fill);
    if (t.fillOverprint) Set(node, HostName(quill_attr::kFillOverprint), "true");
}

// Paragraphs as lines; contents that lines cannot hold exactly are kept whole as well.
void WriteContents(pugi::xml_node node, const std::string& contents, float lineStep) {
    bool exact = IsXmlSafe(contents) && contents.find_first_of("\n\t") == std::string::npos;
    if (!exact) WriteHostText(node, quill_attr::kContents, contents);
    std::string visible = IsXmlSafe(contents) ? contents : PercentEscape(contents);
    for (char& c : visible)
        if (c == '\n' || c == '\t') c = ' ';
    if (visible.find('\r') == std::string::npos) {
        node.append_child(pugi::node_pcdata).set_value(visible.c_str());
        return;
    }
    // Under xml:space="preserve" whatever stands between the lines is drawn: an empty
    // text before each line and at the end keeps the file's indentation out of them.
    auto noIndentation = [&] { node.append_child(pugi::node_pcdata).set_value(""); };
    const std::string advance = FormatFloat(lineStep) + "em";
    std::size_t start = 0;
    for (bool first = true;; first = false) {
        std::size_t end = visible.find('\r', start);
        noIndentation();
        pugi::xml_node line = node.append_child("tspan");
        Set(line, "x", "0");
        Set(line, first ? "y" : "dy", first ? "0" : advance);
        std::string paragraph =
            visible.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!paragraph.empty()) line.append_child(pugi::node_pcdata).set_value(paragraph.c_str());
        if (end == std::string::npos) break;
        start = end + 1;
    }
    noIndentation();
}

pugi::xml_node WriteText(pugi::xml_node parent, const Art& art, const Matrix& space) {
    pugi::xml_node node = parent.append_child("text");
    WriteIdentity(node, art);
    // The text's own space has y upwards, SVG's downwards: flip it before the matrix.
    const AIRealMatrix& t = art.text().matrix;
    Matrix m{t.a, t.b, t.c, t.d, t.tx, t.ty};
    if (!IsIdentity(space)) m = Inverse(space).value_or(Matrix()) * m;
    auto f = [](double v) { return FormatFloat(static_cast<float>(v)); };
    Set(node, "transform",
        "matrix(" + f(m.a) + " " + f(m.b) + " " + f(-m.c) + " " + f(-m.d) + " " + f(m.e) + " " +
            f(m.f) + ")");
    Set(node, "xml:space", "preserve");
    WriteTextFeatures(node, art.text().style);
    WriteContents(node, art.text().contents, art.text().style.lineStep);
    return node;
}

}  // namespace

std::string PathData(const std::vector<AIPathSegment>& segments, bool closed,
                     const StrokeSpace* space) {
    if (segments.empty()) return "";
    const Matrix back = space ? FromDocument(*space) : Matrix();
    const Matrix* mapped = space ? &back : nullptr;
    // Written in one string, sized for the usual numbers of a curve.
    std::string d;
    d.reserve(segments.size() * 64);
    d += "M ";
    AppendPair(d, segments.front().p, mapped);
    for (std::size_t i = 1; i < segments.size(); ++i)
        AppendSegment(d, segments[i - 1], segments[i], mapped);
    if (closed) {
        AppendSegment(d, segments.back(), segments.front(), mapped);
        d += " Z";
    }
    return d;
}

void WriteArt(pugi::xml_node parent, const Art& art, const WriteSpace& outer) {
    const KeptMarkup* kept = art.kept();
    if (kept && !kept->element.empty()) return WriteKeptElement(parent, *kept, outer);
    const WriteSpace own{OwnSpace(art, outer.toDocument), outer.ids, outer.styleInline};
    pugi::xml_node node;
    switch (art.kind()) {
        case ArtKind::Path:
            node = WritePath(parent, art, own.toDocument);
            break;
        case ArtKind::Text:
            node = WriteText(parent, art, own.toDocument);
            break;
        case ArtKind::CompoundPath:
            node = WriteCompoundPath(parent, art, own.toDocument);
            break;
        case ArtKind::Group:
            node = parent.append_child(
                kept && !kept->elementName.empty() ? kept->elementName.c_str() : "g");
            WriteIdentity(node, art);
            for (const auto& child : art.children()) WriteArt(node, *child, own);
            break;
    }
    if (kept) {
        if (art.kind() != ArtKind::Group && art.kind() != ArtKind::Text)
            AppendKeptMarkup(node, kept->children, *own.ids);
        const std::string transform = RelativeTransform(outer.toDocument, own.toDocument);
        if (!transform.empty()) Set(node, "transform", transform);
        WriteKeptAttributes(node, *kept, art.kind() != ArtKind::Group, *own.ids);
    }
    if (outer.styleInline) WriteStyleInline(node, art.kind());
}

}  // namespace host::svg
