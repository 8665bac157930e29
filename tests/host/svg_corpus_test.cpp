// The drawings of the shared corpus open, and the length and area of every contour the
// importer made match cairo's own flattening of the same file (svg_reference_outline.h)
// within 1e-3 relative.
#include <gtest/gtest.h>

#include "support/shared_files.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "host/geometry/bezier.h"
#include "host/svg/svg.h"
#include "host/svg_reference_outline.h"

namespace {

const char* const kCorpus[] = {
    "build123d__counter_bore_hole_example.svg",
    "build123d__filletpolyline_example.svg",
    "build123d__general_ex13.svg",
    "build123d__lego.svg",
    "build123d__plate.svg",
    "build123d__svg_import_test.svg",
    "build123d__tech_drawing.svg",
    "cadquery__box_custom_options_perspective.svg",
    "cadquery__box_default_options.svg",
    "fritzing__Stepper_Motor_Bipolar_breadboard_leg.svg",
    "fritzing__arduino_Uno_Rev3_pcb.svg",
    "fritzing__dip_8_300mil.svg",
    "fritzing__hc-sr04_bf8299a_002.svg",
    "resvg__M-A-trimmed.svg",
    "resvg__mm-values.svg",
    "resvg__nested-transforms-1.svg",
    "resvg__preserveAspectRatio-with-viewBox-not-at-zero-pos.svg",
    "svgpathtools__groups.svg",
    "svgpathtools__negative-scale.svg",
    "svgpathtools__test.svg",
    "svgpathtools__transforms.svg",
    "svgpathtools__zero-radius-arcs.svg",
    "tracespace__full-circle.svg",
    "tracespace__region-with-arcs.svg",
    "w3c__coords-trans-01-b.svg",
    "w3c__coords-units-03-b.svg",
    "w3c__paths-data-01-t.svg",
};

constexpr double kRelativeTolerance = 1e-3;
// What single-precision anchors may add to a short contour's length (points), and to a
// contour's area per point of its length (points²/point).
constexpr double kLengthFloor = 2e-4;
constexpr double kAreaFloorPerLength = 2e-4;

std::string CorpusPath(const char* name) {
    return quill::testing::CorpusFile(name);
}

// Every path of the document as a contour: length and signed area, y upwards.
std::vector<svgref::FlatContour> DocumentContours(const host::Document& document) {
    std::vector<svgref::FlatContour> contours;
    document.ForEachArt([&](host::Art& art) {
        if (art.kind() != host::ArtKind::Path) return;
        svgref::FlatContour c;
        int count = host::geom::SegmentCount(art.segments, art.closed);
        for (int i = 0; i < count; ++i)
            c.length += host::geom::Length(host::geom::SegmentCubic(art.segments, i));
        c.area = host::geom::SignedArea(art.segments);
        if (c.length > 0) contours.push_back(c);
    });
    return contours;
}

bool Matches(const svgref::FlatContour& imported, const svgref::FlatContour& reference) {
    // The document's y grows upwards, SVG's downwards: the signed areas are opposite.
    double lengthTolerance = kRelativeTolerance * reference.length + kLengthFloor;
    double areaTolerance =
        kRelativeTolerance * std::fabs(reference.area) + kAreaFloorPerLength * reference.length;
    return std::fabs(imported.length - reference.length) <= lengthTolerance &&
           std::fabs(imported.area + reference.area) <= areaTolerance;
}

// Pairs every reference contour with an imported one of the nearest length that matches;
// describes what stays unpaired on either side.
std::string Unpaired(std::vector<svgref::FlatContour> imported,
                     const std::vector<svgref::FlatContour>& reference) {
    std::ostringstream out;
    std::vector<bool> used(imported.size(), false);
    int missing = 0;
    for (const auto& r : reference) {
        std::size_t best = imported.size();
        for (std::size_t i = 0; i < imported.size(); ++i)
            if (!used[i] && Matches(imported[i], r) &&
                (best == imported.size() || std::fabs(imported[i].length - r.length) <
                                                std::fabs(imported[best].length - r.length)))
                best = i;
        if (best < imported.size()) {
            used[best] = true;
        } else if (++missing <= 5) {
            out << " reference contour length " << r.length << " area " << -r.area
                << " (y up) has no match;";
        }
    }
    int extra = 0;
    for (std::size_t i = 0; i < imported.size(); ++i)
        if (!used[i] && ++extra <= 5)
            out << " imported contour length " << imported[i].length << " area " << imported[i].area
                << " has no match;";
    if (missing > 5 || extra > 5)
        out << " (" << missing << " unmatched reference, " << extra << " unmatched imported)";
    return out.str();
}

class CorpusDrawing : public ::testing::TestWithParam<const char*> {};

TEST_P(CorpusDrawing, OpensAndMatchesAnIndependentFlattening) {
    QUILL_SKIP_WITHOUT_CORPUS();
    std::string file = CorpusPath(GetParam());
    std::string error, warnings;
    auto document = host::LoadSvgDocument(file, &error, &warnings);
    ASSERT_NE(document, nullptr) << error;
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_FALSE(document->layers().empty());

    std::string problem;
    auto reference = svgref::ReferenceContours(file, &problem);
    ASSERT_TRUE(problem.empty()) << problem;
    ASSERT_FALSE(reference.empty());
    auto imported = DocumentContours(*document);
    EXPECT_EQ(imported.size(), reference.size());
    EXPECT_EQ(Unpaired(imported, reference), "");

    double importedTotal = 0, referenceTotal = 0;
    for (const auto& c : imported) importedTotal += c.length;
    for (const auto& c : reference) referenceTotal += c.length;
    EXPECT_NEAR(importedTotal, referenceTotal, kRelativeTolerance * referenceTotal);
}

std::string TestName(const ::testing::TestParamInfo<const char*>& info) {
    std::string name = info.param;
    name = name.substr(0, name.find(".svg"));
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(SharedCorpus, CorpusDrawing, ::testing::ValuesIn(kCorpus), TestName);

}  // namespace
