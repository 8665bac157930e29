#include "host/svg/svg_segments.h"

#include <cmath>

#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

// Sine of the angle under which two handles still count as one line.
constexpr double kSmoothSine = 1e-3;

AIRealPoint ToPoint(Point p) {
    return AIRealPoint{static_cast<AIReal>(p.x), static_cast<AIReal>(p.y)};
}

}  // namespace

bool IsSmooth(const AIPathSegment& s) {
    double ix = static_cast<double>(s.in.h) - s.p.h, iy = static_cast<double>(s.in.v) - s.p.v;
    double ox = static_cast<double>(s.out.h) - s.p.h, oy = static_cast<double>(s.out.v) - s.p.v;
    double inLength = std::hypot(ix, iy), outLength = std::hypot(ox, oy);
    if (inLength == 0 || outLength == 0) return false;
    double sine = (ix * oy - iy * ox) / (inLength * outLength);
    double dot = ix * ox + iy * oy;
    return std::fabs(sine) <= kSmoothSine && dot < 0;
}

std::vector<AIPathSegment> DocumentSegments(const Contour& contour, const std::string& corners) {
    std::vector<AIPathSegment> segments;
    segments.reserve(contour.nodes.size());
    const bool recorded = corners.size() == contour.nodes.size();
    for (std::size_t i = 0; i < contour.nodes.size(); ++i) {
        const Node& n = contour.nodes[i];
        AIPathSegment s{ToPoint(n.p), ToPoint(n.in), ToPoint(n.out), 1};
        s.corner = recorded ? corners[i] != '0' : !IsSmooth(s);
        segments.push_back(s);
    }
    return segments;
}

std::string EndHandleRecord(const std::vector<AIPathSegment>& segments, bool closed) {
    if (closed || segments.empty()) return "";
    const AIRealPoint in = segments.front().in, out = segments.back().out;
    const AIRealPoint first = segments.front().p, last = segments.back().p;
    if (in.h == first.h && in.v == first.v && out.h == last.h && out.v == last.v) return "";
    return FormatFloat(in.h) + " " + FormatFloat(in.v) + " " + FormatFloat(out.h) + " " +
           FormatFloat(out.v);
}

bool ApplyEndHandleRecord(const std::string& record, Contour& contour) {
    if (contour.nodes.empty() || contour.closed) return false;
    // Four numbers and nothing else, read where they stand: every open path has a record.
    NumberScanner scanner(record);
    scanner.SkipSpaces();
    double v[4];
    for (double& value : v)
        if (!scanner.ReadNumber(&value) || !(std::fabs(value) <= kLargestCoordinate)) return false;
    if (!scanner.AtEnd()) return false;
    contour.nodes.front().in = {v[0], v[1]};
    contour.nodes.back().out = {v[2], v[3]};
    return true;
}

std::string CornerRecord(const std::vector<AIPathSegment>& segments) {
    std::string record;
    bool differs = false;
    for (const auto& s : segments) {
        bool corner = s.corner != 0;
        record += corner ? '1' : '0';
        differs = differs || corner != !IsSmooth(s);
    }
    return differs ? record : "";
}

}  // namespace host::svg
