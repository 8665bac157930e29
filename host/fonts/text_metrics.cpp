#include "host/fonts/text_metrics.h"

#include <algorithm>

#include "host/text/windows1252.h"

namespace host {

namespace {

// Widths of a face that could not be opened: half an em per character.
constexpr double kFallbackAdvance = 0.5;

std::vector<std::u32string> SplitParagraphs(const std::u32string& text) {
    std::vector<std::u32string> lines(1);
    for (char32_t c : text) {
        if (c == U'\r')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

}  // namespace

double LineWidth(FontFace* face, const std::u32string& line, double size, int tracking) {
    if (line.empty()) return 0;
    double width = 0;
    for (char32_t c : line) width += face ? face->Advance(c) : kFallbackAdvance;
    width += static_cast<double>(line.size() - 1) * tracking / 1000.0;
    return width * size;
}

AIRealRect PointTextBounds(const Art& text, FontCatalog& fonts) {
    FontFace* face = fonts.Face(text.text().style.font);
    FaceMetrics metrics = face ? face->metrics() : FaceMetrics{};
    double size = text.text().style.size;
    auto lines = SplitParagraphs(Utf8CodePoints(text.text().contents));
    double left = 0, right = 0;
    bool first = true;
    for (const auto& line : lines) {
        double width = LineWidth(face, line, size, text.text().style.tracking);
        double start = text.text().style.justification == kCenterJustify  ? -width / 2
                       : text.text().style.justification == kRightJustify ? -width
                                                                          : 0;
        left = first ? start : std::min(left, start);
        right = first ? start + width : std::max(right, start + width);
        first = false;
    }
    double shift = text.text().style.baselineShift;
    double top = shift + metrics.ascent * size;
    double bottom = shift -
                    text.text().style.lineStep * size * static_cast<double>(lines.size() - 1) +
                    metrics.descent * size;
    const AIRealMatrix& m = text.text().matrix;
    const double corners[4][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < 4; ++i) {
        double x = m.a * corners[i][0] + m.c * corners[i][1] + m.tx;
        double y = m.b * corners[i][0] + m.d * corners[i][1] + m.ty;
        minX = i ? std::min(minX, x) : x;
        maxX = i ? std::max(maxX, x) : x;
        minY = i ? std::min(minY, y) : y;
        maxY = i ? std::max(maxY, y) : y;
    }
    return AIRealRect{static_cast<float>(minX), static_cast<float>(maxY), static_cast<float>(maxX),
                      static_cast<float>(minY)};
}

}  // namespace host
