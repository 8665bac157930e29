// What a build chose for the settings, and the piece it left unfinished, reach the tool
// through its result alone: the tool keeps them, the builder writes nothing itself.
#include <gtest/gtest.h>

#include "plugin/frame/quill_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {
namespace {

TEST(KeptBuild, TheToolKeepsWhatTheResultSaysAndNothingElse) {
    QuillState state;
    const StateBinding bound(state);
    const double offset = state.settings.lineOffset, radius = state.settings.angleRadius;

    BuildResult plain{kCantHappenErr};
    EXPECT_EQ(Kept(plain).code, kCantHappenErr);
    EXPECT_EQ(state.settings.lineOffset, offset);  // unset values leave the settings be
    EXPECT_EQ(state.settings.angleRadius, radius);

    BuildResult dragged;
    dragged.lineOffset = -7.5;
    dragged.unfinished = kCantHappenErr;
    Kept(dragged);
    EXPECT_EQ(state.settings.lineOffset, -7.5);
    EXPECT_EQ(state.settings.angleRadius, radius);
    EXPECT_EQ(state.tools.gesture.unfinished, kCantHappenErr);

    // A later build of the same press that finished every piece is what counts.
    BuildResult arc;
    arc.angleRadius = 42;
    Kept(arc);
    EXPECT_EQ(state.settings.angleRadius, 42);
    EXPECT_EQ(state.settings.lineOffset, -7.5);
    EXPECT_EQ(state.tools.gesture.unfinished, kNoErr);
}

}  // namespace
}  // namespace quill
