// Every parameter that shapes a dimension or a tool, with the preference key it is
// stored under (prefix "ORLQUILL"), and the values derived from them. One record lives
// from start-up to shutdown; everything runs on the host's thread.
//
// Lengths are document points unless said millimetres; colour components 0 to 1.
#pragma once

#include <cstdint>

#include "plugin/geometry/arrow_shapes.h"
#include "plugin/text/units.h"
#include "sdk/types.h"

namespace quill {

/// "TypeDeCote": the kind of dimension the Segment tool draws. Any other stored value
/// draws none.
enum SegmentDimensionType : std::int32_t {
    kObliqueType = 0,
    kHorizontalType = 1,
    kVerticalType = 2,
    kBothWaysType = 3,  // horizontal and vertical over an object's bounds
};

/// "ModeCotation": what the Segment tool's clicks after a placed dimension do.
enum SegmentSetMode : std::int32_t {
    kSingleMode = 0,    // each dimension on its own
    kChainMode = 1,     // each next point continues from the last one, on one line
    kBaselineMode = 2,  // each next point from the first one, one step further out
    kOrdinateMode = 3,  // a zero, then each point's coordinate on a leader
};

/// The kind of a colour setting ("TypeCoulTraits", "TypeCoulTexte"). Any other stored
/// value is drawn in black.
enum ColourKind : std::int32_t {
    kGreyColour = 0,
    kRgbColour = 1,
    kCmykColour = 2,
    kCustomColour = 3,  // a custom colour of the document
};

/// A colour setting: its kind and the components of every kind.
struct ColourSetting {
    std::int32_t kind = kRgbColour;  // a ColourKind
    double gray = 1;
    double red = 0, green = 0, blue = 0;
    double cyan = 0, magenta = 0, yellow = 0, black = 0;
    /// Kind 3: the document's custom colour and its tint, held in memory only.
    AICustomColorHandle custom = nullptr;
    double tint = 0;
};

/// One of the two tolerances written beside a measure.
struct ToleranceSetting {
    bool shown = false;         // "AvecToleranceUn" / "AvecToleranceDeux"
    double value = 0;           // "ToleranceUn" / "ToleranceDeux", in the main unit
    double offset = 0;          // "DecaleToleranceUn" / "...Deux", baseline shift, points
    std::int32_t symbol = 0;    // "SymboleToleUn" / "...Deux": 0 "+", 1 "-", 2 "±"
    bool stepTimesTen = false;  // "CoefToleranceUn" / "...Deux"
    char text[128] = {};        // derived: the value written by the tolerance writer
};

/// A remembered set of the eight most changed settings (reals, as stored).
struct PreferenceGroup {
    double textSize = 12;         // "CorpsPrefs…"
    double arrowSize = 150;       // "ZoomPrefs…"
    double lineWidth = 1;         // "EpaisseurPrefs…"
    double scaleNumerator = 1;    // "EchelleNumPrefs…"
    double scaleDenominator = 1;  // "EchelleDenPrefs…"
    double arrowShape = 0;        // "FormePrefs…"
    double unit = 6;              // "UnitePrefs…"
    double precision = 2;         // "PrecisionPrefs…"
};

constexpr int kLayerNameCapacity = 256;  // "NomCalque" holds at most 255 characters
constexpr int kFontNameCapacity = 1024;  // "Police" holds at most 1023 characters
constexpr int kGroupCount = 4;           // preference groups 1 to 4

struct SettingsRecord {
    // Layer
    char layerName[kLayerNameCapacity] = "Dimensions";  // "NomCalque"
    std::int32_t layerNameLength = 10;                  // derived

    // Main measure: unit, scale, number format
    std::int32_t unit = 6;                // "UnitePrefs", UnitCode 0..10
    bool showUnit = true;                 // "AfficheUnite"
    std::int32_t precision = 1;           // "Precision", 0..6
    char decimalSeparator = ',';          // "Virgule" (stored true for ',')
    std::int32_t thousandsSeparator = 1;  // "Separateur": 0 ",", 1 space, 2 "'", 3 none
    double scaleNumerator = 1;            // "EchelleNum"
    double scaleDenominator = 1;          // "EchelleDen"
    double scaleFactor = 1;               // derived: numerator / denominator

    // Second measure
    bool doubleMeasure = false;         // "DoubleMesure"
    std::int32_t secondUnit = 6;        // "SecondeUnite"
    bool showSecondUnit = true;         // "AfficheSecondeUnite"
    std::int32_t secondPrecision = 1;   // "PrecisionSeconde"
    char secondDecimalSeparator = ',';  // "VirguleSeconde"

    // Segment tool
    std::int32_t dimensionType = 0;  // "TypeDeCote": 0 oblique, 1 horizontal, 2 vertical, 3 both
    bool horizontalText = false;     // "TexteHoriz"
    double textOffset = 0;           // "DecalageSegY", across the dimension line
    bool extensionLines = true;      // "AvecAttaches"
    double extensionGap = 0;         // "Gap", from the measured points
    bool measureGroup = false;       // "GroupeOuiNon"
    double lineOffset = 12;          // "Attaches", signed distance of the dimension line
    std::int32_t setMode = kSingleMode;  // "ModeCotation"
    double baselineStep = 2;             // "PasLigneDeBase", in text sizes ("Corps")

    // Angle tool
    bool normalArcs = true;     // "StyleArc" 0
    bool multipleArcs = false;  // "StyleArc" other than 0
    std::int32_t arcCount = 3;  // "NbArcs"
    double arcSpacing = 6;      // "EcartArcs"
    double angleRadius = 10;    // "RayonAngle", millimetres (points while an arc is dimensioned)

    // Circle tool
    bool diameter = false;       // "Diametre"
    bool showCircleSign = true;  // "RouD"
    bool signBefore = true;      // "RouDAvant"
    bool radiusLine = true;      // "AvecRayTrace"
    double landingLength = 12;   // "Ligne", millimetres

    // Bézier tool
    bool divide = true;          // "Partager"
    std::int32_t divisions = 3;  // "NbDiv"
    double markLength = 5;       // "LongueurDuPoint", millimetres
    double lengthOnCurve = 30;   // "LongueurSurCourbe", millimetres

    // Lengths and areas tool
    bool reportTotalLength = true;    // "LALongTotale"
    bool reportPartialLength = true;  // "LALongPartie"
    bool reportArea = true;           // "LAAire"
    bool reportPathCount = true;      // "LANbrTraces"
    bool reportPointCount = true;     // "LANbrPoints"

    // Lines and arrowheads
    double lineWidth = 1;         // "Epaisseur"
    bool dashed = false;          // "TraitsPointilles"
    double dashLength = 6;        // "TiretUn"
    double dashGap = 6;           // "TrouUn"
    bool roundCaps = true;        // "BoutRond"
    std::int32_t arrowShape = 0;  // "NumeroDeFleche", 0..6
    double arrowSize = 150;       // "Zoom", percent

    // Text
    double textSize = 12;                   // "Corps"
    bool sizeInMillimetres = false;         // "CorpsEnMillimetres"
    char fontName[kFontNameCapacity] = {};  // "Police"
    std::int32_t fontPage = 1;              // "NumeroPagePolices"

    // Colours
    ColourSetting lineColour{1, 1, 1, 0, 0, 1, 0.5, 0, 0};  // "TypeCoulTraits", "Gris", "Rouge" …
    ColourSetting textColour{1, 1, 0, 0, 1, 0.5, 1, 0, 0};  // "TypeCoulTexte", "GrisTexte" …
    bool overprintFill = false;                             // "OverprintFill"
    bool overprintStroke = false;                           // "OverprintStroke"
    bool showColoursNearCursor = true;                      // "AffCoulAnno"

    // Tolerances 1 and 2
    ToleranceSetting tolerances[2] = {{false, 0.25, 5, 1, false, "0,25"},
                                      {false, 0.12, -5, 0, false, "0,12"}};

    // Memory of measured segments, preference groups
    std::int32_t memoryCapacity = 20;  // "NombreSouvenirsPrefs", in points (two per segment)
    std::int32_t lastGroup = 0;        // "NumSetPrefs", 0..3
    PreferenceGroup groups[kGroupCount] = {{12, 150, 1, 1, 1, 0, 6, 2},
                                           {14, 200, 0.5, 1, 10, 0, 6, 2},
                                           {16, 250, 1.5, 1, 100, 1, 6, 1},
                                           {18, 300, 2, 10, 1, 2, 8, 4}};

    // Derived: the outline of the arrowhead shape, prepared again whenever the settings
    // are read or reset and a group is recalled; a shape number outside 0..6 keeps the
    // outline prepared last.
    ArrowShapeTable arrowOutline;
    // Derived: the inch and foot marks in force, set again at every tool selection.
    MeasureMarks marks;

    // Setters that keep the derived values right.

    /// Copies `name` (Windows-1252, cut at 255 characters; nullptr is empty) and its length.
    void SetLayerName(const char* name);
    /// Recomputes the layer name's length, after the name was written in place.
    void UpdateLayerNameLength();
    /// Sets "EchelleNum" and "EchelleDen" and the scale factor.
    void SetScale(double numerator, double denominator);
    /// The scale factor from the numerator and denominator as they stand.
    void RecomputeScaleFactor();
    /// "StyleArc": 0 normal arcs, any other value multiple arcs.
    void SetArcStyle(std::int32_t style);
    /// "StyleArc" as stored: 0 normal, 1 multiple.
    std::int32_t ArcStyle() const { return multipleArcs ? 1 : 0; }
    /// "Virgule" and "VirguleSeconde": true for a decimal comma, false for a point.
    void SetDecimalComma(bool comma) { decimalSeparator = comma ? ',' : '.'; }
    void SetSecondDecimalComma(bool comma) { secondDecimalSeparator = comma ? ',' : '.'; }
    bool DecimalComma() const { return decimalSeparator == ','; }
    bool SecondDecimalComma() const { return secondDecimalSeparator == ','; }
    /// Sets the value of tolerance `index` (0 or 1; others are ignored) and its text.
    void SetToleranceValue(int index, double value);
    /// Writes the text of tolerance `index` (0 or 1) again from its value and the main
    /// separators.
    void RebuildToleranceText(int index);
    void RebuildToleranceTexts();
    /// Prepares `arrowOutline` for "NumeroDeFleche"; false, the outline kept, for a number
    /// outside 0..6.
    bool PrepareArrowOutline();
    /// What a tool selection sets: the double quote, the quotation mark between feet and
    /// inches, and 32 as the largest denominator.
    void SetMarksForToolSelection() { marks = MeasureMarks{}; }
};

/// A record holding every default, the font name empty (the host's first font is the
/// default font, known only once the host is asked).
const SettingsRecord& DefaultSettings();

/// The settings record of the plug-in object, bound to the message being handled
/// (frame/quill_state.h).
SettingsRecord& Settings();

}  // namespace quill
