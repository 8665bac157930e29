#include "plugin/tools/lengths_tool.h"

#include <algorithm>
#include <vector>

#include "plugin/dimensions/build_state.h"
#include "plugin/dimensions/dimension_art_set.h"
#include "plugin/dimensions/dimension_group.h"
#include "plugin/dimensions/lengths_texts.h"
#include "plugin/dimensions/texts.h"
#include "plugin/services/alert.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_steps.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/services/view_invalidation.h"
#include "plugin/tools/lengths_measures.h"
#include "plugin/tools/texts.h"
#include "plugin/tools/tool_state.h"
#include "plugin/tools/tool_table.h"

namespace quill {

namespace {

// A closed path is renumbered so that the picked anchor becomes anchor 0, and the pick
// with it: the partial length then runs forwards from that anchor.
AIErr RenumberFromPick(LengthsMeasures& measures) {
    PartialLengthPick& pick = measures.pick;
    AIBoolean closed = false;
    std::int16_t n = 0;
    AIErr result = sAIPath->GetPathClosed(pick.path, &closed);
    if (result == kNoErr) result = sAIPath->GetPathSegmentCount(pick.path, &n);
    if (result != kNoErr || !closed || pick.anchor < 0 || pick.anchor >= n) return result;
    std::vector<AIPathSegment> segments(static_cast<std::size_t>(n));
    result = sAIPath->GetPathSegments(pick.path, 0, n, segments.data());
    if (result == kNoErr) {
        std::rotate(segments.begin(), segments.begin() + pick.anchor, segments.end());
        // The perimeter is then added up from another anchor.
        ForgetMeasures(measures);
        result = sAIPath->SetPathSegments(pick.path, 0, n, segments.data());
    }
    if (result == kNoErr) pick.anchor = 0;
    return result;
}

AIErr PickAnchor(LengthsMeasures& measures, const HoverState& hover) {
    ToolState& tools = Tools();
    PartialLengthPick& pick = measures.pick;
    if (tools.clickCount != 1) {
        tools.clickCount = 1;
        pick = PartialLengthPick{hover.path, hover.anchor};
        return RenumberFromPick(measures);
    }
    tools.clickCount = 2;
    if (hover.path != pick.path) {
        ShowAlert(texts::kEndsOnOnePath.c_str());
        tools.clickCount = 0;
        return kNoErr;
    }
    measures.results.text[kPartialLength] =
        LengthReadout(PartialPathLength(pick.path, pick.anchor, hover.anchor));
    return kNoErr;
}

// In the collection or out of it; the collection alone is then shown selected.
AIErr TogglePath(LengthsMeasures& measures, AIArtHandle path, Point pointer) {
    std::vector<AIArtHandle> members;
    HostSteps steps;
    steps << MeasuredPaths(measures, &members);  // the set is made when there is none yet
    ForgetMeasures(measures);
    const AIArtSet set = measures.set;
    if (FullySelected(path)) {
        steps << WriteTag(path, tags::kOutOfMeasure, tags::kMarkerValue);
        steps << SelectArt(path, false);
        steps << sAIArtSet->RemoveArtFromArtSet(set, path);
    } else {
        steps << RemoveTag(path, tags::kOutOfMeasure);
        steps << sAIArtSet->AddArtToArtSet(set, path);
    }
    steps << sAIMatchingArt->DeselectAll();
    steps << MeasuredPaths(measures, &members);
    for (AIArtHandle member : members) steps << SelectArt(member, true);
    steps << ComputeMeasures(measures);
    measures.corner = pointer;
    return steps.Last();
}

// The results as texts at the click, in a new dimension group. False when the click is
// refused (a locked layer) or the texts could not be made: the drawing is left as it was.
bool WriteResults(LengthsMeasures& measures, Point at, AIErr* result) {
    *result = PrepareDimensionGroup();
    if (*result != kNoErr) return false;
    ResultTexts texts;
    HostSteps steps;
    steps << CreateResultTexts(texts);
    if (!texts.ready) {
        Kept(AbandonResultTexts());
        *result = steps.Last();
        return false;
    }
    LengthsResults& results = measures.results;
    steps << ComputeMeasures(measures);
    steps << FillResultTexts(texts, results);
    steps << Kept(PlaceResultTexts(texts, results, at, BuildState().textRotation)).code;
    results.text[kPartialLength].clear();
    Tools().built[kLengthsTool] = true;
    steps << NameCurrentGroup();
    *result = steps.Last();
    return true;
}

// Writes what was collected, if anything, and starts a new collection from this press.
AIErr ClickOnEmptyCanvas(LengthsMeasures& measures, Point pointer) {
    AIErr written = kNoErr;
    if (HasMeasuredPaths(measures) && !WriteResults(measures, pointer, &written)) return written;
    std::vector<AIArtHandle> members;
    HostSteps steps;
    steps << MeasuredPaths(measures, &members);
    for (AIArtHandle member : members) {
        steps << RemoveTag(member, tags::kOutOfMeasure);
        steps << SelectArt(member, false);
    }
    steps << RenewMeasureSet(measures);
    measures.corner = pointer;
    Tools().dragActive = true;
    return written != kNoErr ? written : steps.Last();
}

}  // namespace

AIErr LengthsTool::Click(const ToolClick& click) {
    band_ = RubberBand{};
    // The lines of other dimensions belong to their own tools.
    if (const std::int32_t owner = ToolOfDimensionPiece(click)) {
        // The owner reads what lies under the pointer its own way: this tool's walk would
        // have it take the end of the line for an anchor to measure from.
        ToolAt(owner).Classify(click.pointer);
        // The owner's gesture may change the drawing this tool measured.
        ForgetMeasures(measures_);
        return HandClickTo(owner, click);
    }
    const HoverState& hover = CurrentHover();
    if (hover.kind == HoverKind::AnchorHit) return PickAnchor(measures_, hover);
    // A dimension's line that the host's hit did not take (on a locked layer, say) is no
    // path to measure.
    if (hover.kind == HoverKind::DimensionSegmentHit || hover.kind == HoverKind::DimensionArcHit)
        return kNoErr;
    if (IsSegmentKind(hover.kind)) return TogglePath(measures_, hover.path, click.pointer);
    const AIErr result = ClickOnEmptyCanvas(measures_, click.pointer);
    // A rubber band starts here, as yet a point: it takes no path in.
    if (Tools().dragActive) CollectInBand(click.pointer);
    return result;
}

// The band selects what it takes in; the whole view is drawn again, and the pass draws
// the band.
AIErr LengthsTool::Drag(const ToolEvent& event) {
    CollectInBand(event.pointer);
    return InvalidateWholeView();
}

AIErr LengthsTool::MouseUp(const ToolEvent&) {
    Tools().dragActive = false;
    band_ = RubberBand{};
    return kNoErr;
}

void LengthsTool::BecameCurrent() {
    sAIMatchingArt->DeselectAll();
}

const char* LengthsTool::GroupName() const {
    return texts::kGroupLengths.c_str();
}

void LengthsTool::CollectInBand(Point corner2) {
    bandCode_ = CollectInRectangle(band_, measures_, measures_.corner, corner2);
}

}  // namespace quill
