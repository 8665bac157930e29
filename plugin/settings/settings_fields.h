// The settings table: one row for every key the settings keep in the host's preference
// store, the preference groups' keys aside. A row gives the key, the field of the settings
// record it is stored from (and so its kind and its default, the record's own), where the
// read starts when the store lacks the key, the parameter page that shows it, and the
// values it may take. The reset, the read and the page write take everything from here
// but their order, which each keeps as a list of its own.
//
// Adding a key: its text in preference_keys.h, its field in SettingsRecord, a row below,
// and its place in the reset's and the read's lists (preference_reset.cpp,
// preference_read.cpp) and in its page's list (preference_page_write.cpp).
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>

#include "plugin/geometry/arrow_shapes.h"
#include "plugin/settings/field_access.h"
#include "plugin/settings/panel_state.h"
#include "plugin/settings/preference_keys.h"
#include "plugin/settings/settings_record.h"
#include "plugin/text/number_writers.h"
#include "plugin/text/units.h"

namespace quill {

/// Where the read of a row starts: what a key the store lacks leaves in the field.
enum class FallbackKind {
    KeepsField,  // the field's own value
    Default,     // the record's default
    Given,       // a number of its own
    SameAs,      // another field's value, as it stands when the key is read
};

struct ReadFallback {
    FallbackKind kind;
    double given;                                // Given: the number, whole for an integer
    FieldValue (*other)(const SettingsRecord&);  // SameAs: the other field
};

/// The values a field takes and the step of the panel's "-" and "+" buttons; each is empty
/// where the plug-in sets none.
struct ValueRange {
    std::optional<double> least;
    std::optional<double> most;
    std::optional<double> step;
};

/// What the read does with a stored number outside the row's range.
enum class OutOfRange {
    Taken,    // the field takes it all the same
    Refused,  // the field keeps its value
};

/// Whether the reset writes the row. The Segment tool's set keys came later: the reset
/// leaves them out, their page writes them, so that a store holds them only once the user
/// chose them and a store without them reads as the defaults.
enum class ResetWrite {
    Written,
    LeftOut,
};

struct SettingField {
    const char* key;
    FieldAccess access;
    ReadFallback fallback;
    std::optional<PanelPage> page;  // the parameter page that shows and writes it, if any
    ValueRange range;
    OutOfRange outOfRange;
    ResetWrite resetWrite;
};

namespace settings_table {

constexpr ReadFallback kKeepsField{FallbackKind::KeepsField, 0, nullptr};
constexpr ReadFallback kDefault{FallbackKind::Default, 0, nullptr};
constexpr ReadFallback Given(double value) {
    return {FallbackKind::Given, value, nullptr};
}
constexpr ReadFallback SameAs(const FieldAccess& other) {
    return {FallbackKind::SameAs, 0, other.get};
}

constexpr std::optional<PanelPage> kNoPage = std::nullopt;
constexpr ValueRange kAnyValue{};
constexpr ValueRange Range(double least, double most) {
    return {least, most, std::nullopt};
}
constexpr ValueRange AtLeast(double least) {
    return {least, std::nullopt, std::nullopt};
}

constexpr SettingField Row(const char* key, const FieldAccess& access, const ReadFallback& fallback,
                           std::optional<PanelPage> page, const ValueRange& range = kAnyValue,
                           OutOfRange outOfRange = OutOfRange::Taken,
                           ResetWrite resetWrite = ResetWrite::Written) {
    return {key, access, fallback, page, range, outOfRange, resetWrite};
}

using R = SettingsRecord;
using C = ColourSetting;
using T = ToleranceSetting;
using Page = PanelPage;

constexpr ValueRange kColourKinds = Range(0, 3);
constexpr ValueRange kColourComponent = Range(0, 1);

inline constexpr SettingField kRows[] = {
    // Layer, main measure and scale
    Row(prefkey::kLayerName, Through<&R::layerName, &R::SetLayerName>, kDefault, Page::LayerName),
    Row(prefkey::kUnit, Of<&R::unit>, Given(kMillimetres), Page::Unit, Range(0, kUnitCount - 1)),
    Row(prefkey::kShowUnit, Of<&R::showUnit>, kDefault, Page::Unit),
    Row(prefkey::kPrecision, Of<&R::precision>, kKeepsField, Page::NumberFormat,
        Range(0, kMaxPrecision)),
    Row(prefkey::kDecimalComma, Through<&R::DecimalComma, &R::SetDecimalComma>, kKeepsField,
        Page::NumberFormat),
    Row(prefkey::kThousandsSeparator, Of<&R::thousandsSeparator>, kDefault, Page::NumberFormat,
        Range(kThousandsComma, kThousandsNone), OutOfRange::Refused),
    Row(prefkey::kScaleNumerator, Of<&R::scaleNumerator>, kKeepsField, Page::Scale),
    Row(prefkey::kScaleDenominator, Of<&R::scaleDenominator>, kKeepsField, Page::Scale),

    // Second measure
    Row(prefkey::kDoubleMeasure, Of<&R::doubleMeasure>, kDefault, Page::DoubleMeasure),
    Row(prefkey::kSecondUnit, Of<&R::secondUnit>, kDefault, Page::DoubleMeasure,
        Range(0, kUnitCount - 1)),
    Row(prefkey::kShowSecondUnit, Of<&R::showSecondUnit>, kDefault, Page::DoubleMeasure),
    Row(prefkey::kSecondPrecision, Of<&R::secondPrecision>, SameAs(Of<&R::precision>),
        Page::DoubleMeasure, Range(0, kMaxPrecision)),
    Row(prefkey::kSecondDecimalComma, Through<&R::SecondDecimalComma, &R::SetSecondDecimalComma>,
        kKeepsField, Page::DoubleMeasure),

    // Segment tool
    Row(prefkey::kDimensionType, Of<&R::dimensionType>, kKeepsField, Page::SegmentTool, Range(0, 3),
        OutOfRange::Refused),
    Row(prefkey::kHorizontalText, Of<&R::horizontalText>, kDefault, Page::SegmentTool),
    Row(prefkey::kTextOffset, Of<&R::textOffset>, kKeepsField, Page::SegmentTool),
    Row(prefkey::kExtensionLines, Of<&R::extensionLines>, kDefault, Page::SegmentTool),
    Row(prefkey::kExtensionGap, Of<&R::extensionGap>, kKeepsField, Page::SegmentTool),
    Row(prefkey::kMeasureGroup, Of<&R::measureGroup>, kDefault, Page::SegmentTool),
    Row(prefkey::kLineOffset, Of<&R::lineOffset>, kKeepsField, kNoPage),
    Row(prefkey::kSetMode, Of<&R::setMode>, kDefault, Page::SegmentTool,
        Range(kSingleMode, kOrdinateMode), OutOfRange::Refused, ResetWrite::LeftOut),
    Row(prefkey::kBaselineStep, Of<&R::baselineStep>, kDefault, Page::SegmentTool, Range(0.5, 10),
        OutOfRange::Taken, ResetWrite::LeftOut),

    // Angle tool
    Row(prefkey::kArcStyle, Through<&R::ArcStyle, &R::SetArcStyle>, kKeepsField, Page::AngleTool,
        Range(0, 1)),
    Row(prefkey::kArcCount, Of<&R::arcCount>, kDefault, Page::AngleTool),
    Row(prefkey::kArcSpacing, Of<&R::arcSpacing>, kKeepsField, Page::AngleTool),
    Row(prefkey::kAngleRadius, Of<&R::angleRadius>, kDefault, Page::AngleTool),

    // Circle tool
    Row(prefkey::kDiameter, Of<&R::diameter>, kDefault, Page::CircleTool),
    Row(prefkey::kShowCircleSign, Of<&R::showCircleSign>, kDefault, Page::CircleTool),
    Row(prefkey::kSignBefore, Of<&R::signBefore>, kDefault, Page::CircleTool),
    Row(prefkey::kRadiusLine, Of<&R::radiusLine>, kDefault, Page::CircleTool),
    Row(prefkey::kLandingLength, Of<&R::landingLength>, kKeepsField, Page::CircleTool),

    // Bézier tool
    Row(prefkey::kDivide, Of<&R::divide>, kDefault, Page::BezierTool),
    Row(prefkey::kDivisions, Of<&R::divisions>, kDefault, Page::BezierTool),
    Row(prefkey::kMarkLength, Of<&R::markLength>, Given(1.5), Page::BezierTool),
    Row(prefkey::kLengthOnCurve, Of<&R::lengthOnCurve>, Given(0), Page::BezierTool),

    // Lengths and areas tool
    Row(prefkey::kReportTotalLength, Of<&R::reportTotalLength>, kDefault, Page::LengthsAndAreas),
    Row(prefkey::kReportPartialLength, Of<&R::reportPartialLength>, kDefault,
        Page::LengthsAndAreas),
    Row(prefkey::kReportArea, Of<&R::reportArea>, kDefault, Page::LengthsAndAreas),
    Row(prefkey::kReportPathCount, Of<&R::reportPathCount>, kDefault, Page::LengthsAndAreas),
    Row(prefkey::kReportPointCount, Of<&R::reportPointCount>, kDefault, Page::LengthsAndAreas),

    // Lines and arrowheads
    Row(prefkey::kLineWidth, Of<&R::lineWidth>, kKeepsField, Page::LineFormat),
    Row(prefkey::kDashed, Of<&R::dashed>, kDefault, Page::LineFormat),
    Row(prefkey::kDashLength, Of<&R::dashLength>, Given(8), Page::LineFormat),
    Row(prefkey::kDashGap, Of<&R::dashGap>, Given(7), Page::LineFormat),
    Row(prefkey::kRoundCaps, Of<&R::roundCaps>, kDefault, Page::LineFormat),
    Row(prefkey::kArrowShape, Of<&R::arrowShape>, kKeepsField, Page::Arrowheads,
        Range(0, kArrowShapeCount - 1)),
    Row(prefkey::kArrowSize, Of<&R::arrowSize>, kDefault, Page::Arrowheads),

    // Text; the default font, the host's first, is learnt by the reset
    Row(prefkey::kTextSize, Of<&R::textSize>, kDefault, Page::TextSize),
    Row(prefkey::kSizeInMillimetres, Of<&R::sizeInMillimetres>, kDefault, Page::TextSize),
    Row(prefkey::kFontName, Of<&R::fontName>, kKeepsField, Page::Font),
    Row(prefkey::kFontPage, Of<&R::fontPage>, kKeepsField, Page::Font, AtLeast(1)),

    // Line colour
    Row(prefkey::kLineColour.kind, Of<&R::lineColour, &C::kind>, kKeepsField, Page::Colours,
        kColourKinds),
    Row(prefkey::kLineColour.gray, Of<&R::lineColour, &C::gray>, kKeepsField, Page::Colours,
        kColourComponent),
    Row(prefkey::kLineColour.red, Of<&R::lineColour, &C::red>, kKeepsField, Page::Colours,
        kColourComponent),
    Row(prefkey::kLineColour.green, Of<&R::lineColour, &C::green>, kKeepsField, Page::Colours,
        kColourComponent),
    Row(prefkey::kLineColour.blue, Of<&R::lineColour, &C::blue>, kKeepsField, Page::Colours,
        kColourComponent),
    Row(prefkey::kLineColour.cyan, Of<&R::lineColour, &C::cyan>, kKeepsField, Page::Colours,
        kColourComponent),
    Row(prefkey::kLineColour.magenta, Of<&R::lineColour, &C::magenta>, kKeepsField, Page::Colours,
        kColourComponent),
    Row(prefkey::kLineColour.yellow, Of<&R::lineColour, &C::yellow>, kKeepsField, Page::Colours,
        kColourComponent),
    Row(prefkey::kLineColour.black, Of<&R::lineColour, &C::black>, kKeepsField, Page::Colours,
        kColourComponent),

    // Text colour
    Row(prefkey::kTextColour.kind, Of<&R::textColour, &C::kind>, Given(0), Page::Colours,
        kColourKinds),
    Row(prefkey::kTextColour.gray, Of<&R::textColour, &C::gray>, Given(100), Page::Colours,
        kColourComponent),
    Row(prefkey::kTextColour.red, Of<&R::textColour, &C::red>, Given(196), Page::Colours,
        kColourComponent),
    Row(prefkey::kTextColour.green, Of<&R::textColour, &C::green>, Given(25), Page::Colours,
        kColourComponent),
    Row(prefkey::kTextColour.blue, Of<&R::textColour, &C::blue>, Given(127), Page::Colours,
        kColourComponent),
    Row(prefkey::kTextColour.cyan, Of<&R::textColour, &C::cyan>, Given(23), Page::Colours,
        kColourComponent),
    Row(prefkey::kTextColour.magenta, Of<&R::textColour, &C::magenta>, Given(97), Page::Colours,
        kColourComponent),
    Row(prefkey::kTextColour.yellow, Of<&R::textColour, &C::yellow>, Given(4), Page::Colours,
        kColourComponent),
    Row(prefkey::kTextColour.black, Of<&R::textColour, &C::black>, Given(0), Page::Colours,
        kColourComponent),

    // Overprinting, and the colours shown beside the cursor
    Row(prefkey::kOverprintFill, Of<&R::overprintFill>, kDefault, Page::Colours),
    Row(prefkey::kOverprintStroke, Of<&R::overprintStroke>, kDefault, Page::Colours),
    Row(prefkey::kShowColoursNearCursor, Of<&R::showColoursNearCursor>, kDefault, Page::Colours),

    // Tolerances 1 and 2
    Row(prefkey::kTolerances[0].shown, OfTolerance<0, &T::shown>, kDefault, Page::Tolerances),
    Row(prefkey::kTolerances[0].value, OfTolerance<0, &T::value>, kDefault, Page::Tolerances),
    Row(prefkey::kTolerances[0].offset, OfTolerance<0, &T::offset>, kDefault, Page::Tolerances),
    Row(prefkey::kTolerances[0].symbol, OfTolerance<0, &T::symbol>, Given(0), Page::Tolerances,
        Range(0, 2)),
    Row(prefkey::kTolerances[0].stepTimesTen, OfTolerance<0, &T::stepTimesTen>, kDefault,
        Page::Tolerances),
    Row(prefkey::kTolerances[1].shown, OfTolerance<1, &T::shown>, kDefault, Page::Tolerances),
    Row(prefkey::kTolerances[1].value, OfTolerance<1, &T::value>, Given(0.15), Page::Tolerances),
    Row(prefkey::kTolerances[1].offset, OfTolerance<1, &T::offset>, kDefault, Page::Tolerances),
    Row(prefkey::kTolerances[1].symbol, OfTolerance<1, &T::symbol>, Given(0), Page::Tolerances,
        Range(0, 2)),
    Row(prefkey::kTolerances[1].stepTimesTen, OfTolerance<1, &T::stepTimesTen>, kDefault,
        Page::Tolerances),

    // Memory of measured segments, the group recalled last
    Row(prefkey::kMemoryCapacity, Of<&R::memoryCapacity>, kDefault, kNoPage),
    Row(prefkey::kLastGroup, Of<&R::lastGroup>, kDefault, kNoPage, Range(0, kGroupCount - 1)),
};

constexpr bool SameKey(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

}  // namespace settings_table

inline constexpr const auto& kSettingFields = settings_table::kRows;

/// The index of the row of `key` in the table, or -1. (An index rather than a pointer:
/// pointers compared in constant expressions are refused by the sanitizer builds.)
constexpr int FieldIndex(const char* key) {
    int index = 0;
    for (const SettingField& field : kSettingFields) {
        if (settings_table::SameKey(field.key, key)) return index;
        ++index;
    }
    return -1;
}

/// The row of `key`, or nullptr.
inline const SettingField* FindField(const char* key) {
    const int index = FieldIndex(key);
    return index < 0 ? nullptr : &kSettingFields[index];
}

/// The row of `key`. Looked up in a constant expression, a key that has no row stops the
/// compilation.
constexpr const SettingField& FieldOf(const char* key) {
    const int index = FieldIndex(key);
    if (index < 0) throw std::invalid_argument("a key with no row in the settings table");
    return kSettingFields[index];
}

/// The value the read starts from: the field's own, its default, the row's number or
/// another field's value.
FieldValue ReadStart(const SettingField& field, const SettingsRecord& settings);

/// False for a number outside the range.
bool IsWithin(const ValueRange& range, double number);
/// False for a number outside the row's range; flags and texts are always within it.
bool IsWithinRange(const SettingField& field, const FieldValue& value);

}  // namespace quill
