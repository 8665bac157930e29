#include "plugin/tools/lengths_measures.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "plugin/geometry/path_lengths.h"
#include "plugin/geometry/selection_measures.h"
#include "plugin/services/ai_error.h"
#include "plugin/services/host_art.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/suites.h"
#include "plugin/services/tags.h"
#include "plugin/settings/label_styles.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/area_text.h"
#include "plugin/text/number_writers.h"

namespace quill {

namespace {

constexpr std::int32_t kFullSelection = kArtSelected | kArtFullySelected;

// The first code that is not kNoErr.
void Keep(AIErr& first, AIErr code) {
    if (first == kNoErr) first = code;
}

// A result cut to what its buffer holds.
std::string Result(const char* text) {
    std::string result(text);
    if (result.size() >= static_cast<std::size_t>(kResultCapacity))
        result.resize(static_cast<std::size_t>(kResultCapacity - 1));
    return result;
}

std::string CountText(int count) {
    NumberText number;
    WriteDecimal(static_cast<float>(count), 0, MainSeparators(Settings()), number);
    return Result(number);
}

// The collected set, made again when it is missing or gone.
AIErr CurrentSet(LengthsMeasures& measures, AIArtSet* set) {
    AIArtSet& current = measures.set;
    std::size_t count = 0;
    if (!current || sAIArtSet->CountArtSet(current, &count) != kNoErr) {
        ForgetMeasures(measures);
        current = nullptr;
        const AIErr result = sAIArtSet->NewArtSet(&current);
        if (result != kNoErr) return result;
    }
    *set = current;
    return kNoErr;
}

}  // namespace

AIErr SelectArt(AIArtHandle art, bool selected) {
    return sAIArt->SetArtUserAttr(art, kFullSelection, selected ? kFullSelection : 0);
}

bool FullySelected(AIArtHandle art) {
    std::int32_t attributes = 0;
    return sAIArt->GetArtUserAttr(art, kArtFullySelected, &attributes) == kNoErr && attributes != 0;
}

void ForgetMeasures(LengthsMeasures& measures) {
    measures.kept.reset();
}

AIErr RenewMeasureSet(LengthsMeasures& measures) {
    ForgetMeasures(measures);
    AIArtSet& set = measures.set;
    if (set) sAIArtSet->DisposeArtSet(&set);
    set = nullptr;
    return sAIArtSet->NewArtSet(&set);
}

AIErr MeasuredPaths(LengthsMeasures& measures, std::vector<AIArtHandle>* paths) {
    paths->clear();
    AIArtSet set = nullptr;
    AIErr result = CurrentSet(measures, &set);
    std::size_t count = 0;
    if (result == kNoErr) result = sAIArtSet->CountArtSet(set, &count);
    paths->reserve(count);
    for (std::size_t k = 0; k < count && result == kNoErr; ++k) {
        AIArtHandle art = nullptr;
        result = sAIArtSet->IndexArtSet(set, k, &art);
        if (result == kNoErr) paths->push_back(art);
    }
    return result;
}

bool HasMeasuredPaths(const LengthsMeasures& measures) {
    std::size_t count = 0;
    AIArtSet set = measures.set;
    return set && sAIArtSet->CountArtSet(set, &count) == kNoErr && count > 0;
}

namespace {

// Every path that is not dimension art, with its bounds; each loses its "spa".
AIErr WalkDocument(RubberBand& band) {
    AIErr first = kNoErr;
    const MatchedPaths paths = AllPaths(&first);
    if (first != kNoErr) return first;
    band.paths.clear();
    band.paths.reserve(paths.size());
    for (AIArtHandle art : paths) {
        if (HasTag(art, tags::kPiece)) continue;
        BandPath path;
        path.art = art;
        const AIErr bounds = sAIArt->GetArtBounds(art, &path.bounds);
        path.bounded = bounds == kNoErr;
        Keep(first, bounds);
        Keep(first, RemoveTag(art, tags::kOutOfMeasure));
        band.paths.push_back(path);
    }
    band.walked = true;
    return first;
}

// Whether the measures kept still hold the set: nothing forgot them, and the set has as
// many members as when they were read.
bool MeasuresKept(const LengthsMeasures& collected) {
    std::size_t count = 0;
    return collected.kept && collected.set &&
           sAIArtSet->CountArtSet(collected.set, &count) == kNoErr &&
           count == collected.kept->members;
}

// Reads every member of the set: dimension art ("orl") is deselected and not counted.
AIErr MeasureMembers(LengthsMeasures& collected) {
    ForgetMeasures(collected);
    std::vector<AIArtHandle> members;
    const AIErr listed = MeasuredPaths(collected, &members);
    if (listed != kNoErr) return listed;
    std::vector<HostPath> readers;
    readers.reserve(members.size());
    for (AIArtHandle art : members) {
        if (HasTag(art, tags::kPiece)) {
            SelectArt(art, false);
            continue;
        }
        readers.emplace_back(art);
    }
    std::vector<PathMeasure> measured;
    measured.reserve(readers.size());
    for (const HostPath& reader : readers)
        measured.push_back(MeasurePath(reader, HostBezierService()));
    collected.kept = LengthsMeasures::Kept{AddUpMeasures(measured), members.size()};
    return kNoErr;
}

}  // namespace

AIErr CollectInRectangle(RubberBand& band, LengthsMeasures& measures, Point corner1,
                         Point corner2) {
    AIErr first = kNoErr;
    if (!band.walked) {
        first = WalkDocument(band);
        if (!band.walked) return first;
    }
    Keep(first, RenewMeasureSet(measures));  // forgets the measures of the set
    const AIArtSet set = measures.set;
    if (!set) return first;
    const AIRealRect rectangle{std::min(corner1.h, corner2.h), std::max(corner1.v, corner2.v),
                               std::max(corner1.h, corner2.h), std::min(corner1.v, corner2.v)};
    for (BandPath& path : band.paths) {
        AIBoolean inside = false;
        if (path.bounded)
            Keep(first, sAIRealMath->AIRealRectInAIRealRect(&rectangle, &path.bounds, &inside));
        if (inside) Keep(first, sAIArtSet->AddArtToArtSet(set, path.art));
        const std::int8_t shown = inside ? 1 : 0;
        if (path.shown == shown) continue;
        Keep(first, SelectArt(path.art, inside != 0));
        path.shown = shown;
    }
    return first;
}

AIErr ComputeMeasures(LengthsMeasures& collected) {
    try {
        if (!MeasuresKept(collected)) ai::Check(MeasureMembers(collected));
        const SelectionMeasures& measures = collected.kept->measures;
        LengthsResults& results = collected.results;
        results.text[kTotalLength] = LengthReadout(measures.length);
        LabelText area;
        FormatArea(measures.area, MainMeasureFormat(Settings()), area);
        results.text[kAreaResult] = Result(area.c_str());
        results.text[kPathCountResult] = CountText(measures.paths);
        results.text[kPointCountResult] = CountText(measures.points);
    } catch (const ai::Error& error) {
        return error.code();
    }
    return kNoErr;
}

std::string LengthReadout(float points) {
    LabelText text;
    WriteLengthReadout(points, MainMeasureFormat(Settings()), Settings().marks, text);
    return Result(text.c_str());
}

float PathLength(AIArtHandle path) {
    try {
        return WholePathLength(HostPath(path), HostBezierService());
    } catch (const ai::Error&) {
        return 0;
    }
}

float PartialPathLength(AIArtHandle path, int from, int to) {
    try {
        const HostPath reader(path);
        const int n = reader.AnchorCount();
        if (from < 0 || to < 0 || from >= n || to >= n) return 0;
        return PathLengthBetween(reader, HostBezierService(), from, to);
    } catch (const ai::Error&) {
        return 0;
    }
}

}  // namespace quill
