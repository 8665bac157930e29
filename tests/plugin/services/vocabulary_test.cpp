// The tags a saved drawing carries and the ids of the cursor resources are read back by
// drawings made with earlier builds and by the update program: they keep their values.
#include <gtest/gtest.h>

#include <string>

#include "sdk/quill_vocabulary.h"

namespace quill {
namespace {

TEST(Vocabulary, TagsKeepTheNamesSavedDrawingsCarry) {
    namespace tags = vocabulary::tags;
    const struct {
        const char* name;
        std::string saved;
    } rows[] = {
        {tags::kPiece, "orl"},
        {tags::kSegmentMarker, "mods"},
        {tags::kAngleMarker, "moda"},
        {tags::kCircleMarker, "modc"},
        {tags::kMainLine, "red"},
        {tags::kOutOfMeasure, "spa"},
        {tags::kFirstPointLink, "segpt1"},
        {tags::kSecondPointLink, "segpt2"},
        {tags::kSegmentLink, "surseg"},
        {tags::kAngleLink, "ang"},
        {tags::kCircleLink, "cer"},
        {tags::kIndex1, "num1"},
        {tags::kIndex2, "num2"},
        {tags::kIndex3, "num3"},
        {tags::kMarkerValue, "jj"},
        {tags::kStringType, "string"},
    };
    for (const auto& row : rows) EXPECT_EQ(row.name, row.saved);
}

TEST(Vocabulary, CursorIdsAreTheResourcesOfTheLibrary) {
    namespace cursors = vocabulary::cursors;
    const std::int32_t ids[] = {cursors::kNothing,         cursors::kAnchor,
                                cursors::kStraightSegment, cursors::kDimension,
                                cursors::kCurve,           cursors::kArc,
                                cursors::kCrossing,        cursors::kSnappedPoint,
                                cursors::kNextTool,        cursors::kParametersTool};
    const std::int32_t resources[] = {21000, 21001, 21002, 21003, 21004,
                                      21005, 21006, 21008, 21009, 21010};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(ids[i], resources[i]) << i;
}

}  // namespace
}  // namespace quill
