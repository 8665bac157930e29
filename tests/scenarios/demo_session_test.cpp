// The demo's session (examples/demo.qs) through the host: every label it writes on the
// mounting plate against the plate's own measures, worked out by hand. The plate of
// examples/plaque.svg, in millimetres, y downwards: the contour (20,30) (150,30) (170,50)
// (170,110) (20,110), chamfered by 20 × 20 at its top-right corner; bores of radius 12 at
// (50,70) and 8 at (130,80); the cam, one cubic (30,128) (70,112) (110,140) (160,124); the
// fillet, a quarter circle of radius 16. Millimetres at one decimal, the inches of the
// second measure at two.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/example_scenario.h"

namespace quill::testing {
namespace {

using nlohmann::json;

// One dimension group as the demo leaves it: its name, its texts bottom to top, and how
// many paths it holds.
struct Dimension {
    std::string name;
    std::vector<std::string> texts;
    std::size_t paths;

    bool operator==(const Dimension& other) const {
        return name == other.name && texts == other.texts && paths == other.paths;
    }
};

std::ostream& operator<<(std::ostream& out, const Dimension& d) {
    out << d.name << " {";
    for (const std::string& text : d.texts) out << " \"" << text << "\"";
    return out << " } " << d.paths << " paths";
}

std::vector<Dimension> DimensionsOf(const json& dump) {
    std::vector<Dimension> dimensions;
    const json* art = LayerArt(dump, "Dimensions");
    if (!art) return dimensions;
    for (const json& group : *art) {
        Dimension d{group["name"], {}, 0};
        for (const json& piece : group["art"]) {
            if (piece["type"] == "text") d.texts.push_back(piece["contents"]);
            if (piece["type"] == "path") ++d.paths;
        }
        dimensions.push_back(d);
    }
    return dimensions;
}

TEST(DemoSession, EveryLabelOnThePlateIsItsMeasure) {
    const Scenario s = RunExampleScenario(ExampleScript("demo.qs"));
    ASSERT_EQ(s.outcome.exitCode, 0) << s.outcome.message;
    EXPECT_TRUE(s.dump["alerts"].empty()) << s.dump["alerts"];

    // Paths per dimension: a segment dimension has two extension lines, its line in two
    // halves about the label and two arrowheads (an arc or a curve, one line whole); an
    // angle its arc and two arrowheads; a circle its leader, its radius or diameter line
    // and one arrowhead, or two for a diameter.
    const std::vector<Dimension> expected = {
        // The contour collected: 130 + 20√2 + 60 + 150 + 80 = 448.28 long; from anchor 0
        // round the chamfer to anchor 2, 130 + 28.28 = 158.28; its area
        // 150 × 80 − 20 × 20 / 2 = 11 800; one path of five anchors.
        {"Longueurs & Aires",
         {"L (sélection) = 448,3 mm", "L (partie courbe)= 158,3 mm", "A (sélection) = 11 800 mm2",
          "Nombre de tracés = 1", "Nombre de points = 5"},
         0},
        // Overall width 170 − 20 = 150; in inches 150 / 25.4 = 5.906; the tolerance ±0.1
        // as set.
        {"Segment horiz", {"150 mm\r5,91 \"", "±0,1"}, 6},
        // Overall height 110 − 30 = 80.
        {"Segment verti", {"80 mm"}, 6},
        // The chamfer √(20² + 20²) = 28.28.
        {"Segment oblique", {"28,3 mm"}, 6},
        // The fillet's arc 16 × π / 2 = 25.13.
        {"Segment arc", {"25,1 mm"}, 5},
        // The cam: ∫ |B'(t)| dt with B'(t) = 3[(1−t)²(40,−16) + 2t(1−t)(40,28) + t²(50,−16)],
        // whose length at t = 0, 1/8, … 1 is 129.24 121.98 121.88 124.99 128.76 132.45
        // 136.88 144.24 157.49; by Simpson's rule (1/24)(129.24 + 4 × 523.66 + 2 × 387.52
        // + 157.49) = 131.52.
        {"Segment courbe", {"131,5 mm"}, 5},
        // The chamfer turns the top edge by 45°: both its corners are 180 − 45 = 135°, the
        // first by its vertex, the second by its two sides.
        {"Angle", {"135°"}, 3},
        {"Angle", {"135°"}, 3},
        // The small bore's radius, then the large bore's diameter 2 × 12.
        {"Cercle Rayon", {"R 8 mm"}, 3},
        {"Cercle Diamètre", {"Ø 24 mm"}, 4},
        // The cam in four parts: three marks, the end marks left out; a centre mark of six
        // strokes on each bore; the point 50 mm along the cam.
        {"Bézier partage", {}, 3},
        {"Bézier partage", {}, 6},
        {"Bézier partage", {}, 6},
        {"Bézier partage", {}, 1},
    };
    EXPECT_EQ(DimensionsOf(s.dump), expected);
}

}  // namespace
}  // namespace quill::testing
