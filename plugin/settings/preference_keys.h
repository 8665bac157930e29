// The texts the settings storage uses: the store prefix, every preference key and the two
// alerts. Keys are ASCII; alerts are Windows-1252 ("\xE9" is "é").
#pragma once

namespace quill {
namespace prefkey {

constexpr const char* kPrefix = "ORLQUILL";

// Layer, main measure and scale
constexpr const char* kLayerName = "NomCalque";
constexpr const char* kUnit = "UnitePrefs";
constexpr const char* kShowUnit = "AfficheUnite";
constexpr const char* kPrecision = "Precision";
constexpr const char* kDecimalComma = "Virgule";
constexpr const char* kThousandsSeparator = "Separateur";
constexpr const char* kScaleNumerator = "EchelleNum";
constexpr const char* kScaleDenominator = "EchelleDen";

// Second measure
constexpr const char* kDoubleMeasure = "DoubleMesure";
constexpr const char* kSecondUnit = "SecondeUnite";
constexpr const char* kShowSecondUnit = "AfficheSecondeUnite";
constexpr const char* kSecondPrecision = "PrecisionSeconde";
constexpr const char* kSecondDecimalComma = "VirguleSeconde";

// Segment tool
constexpr const char* kDimensionType = "TypeDeCote";
constexpr const char* kHorizontalText = "TexteHoriz";
constexpr const char* kTextOffset = "DecalageSegY";
constexpr const char* kExtensionLines = "AvecAttaches";
constexpr const char* kExtensionGap = "Gap";
constexpr const char* kMeasureGroup = "GroupeOuiNon";
constexpr const char* kLineOffset = "Attaches";
constexpr const char* kSetMode = "ModeCotation";
constexpr const char* kBaselineStep = "PasLigneDeBase";

// Angle tool
constexpr const char* kArcStyle = "StyleArc";
constexpr const char* kArcCount = "NbArcs";
constexpr const char* kArcSpacing = "EcartArcs";
constexpr const char* kAngleRadius = "RayonAngle";

// Circle tool
constexpr const char* kDiameter = "Diametre";
constexpr const char* kShowCircleSign = "RouD";
constexpr const char* kSignBefore = "RouDAvant";
constexpr const char* kRadiusLine = "AvecRayTrace";
constexpr const char* kLandingLength = "Ligne";

// Bézier tool
constexpr const char* kDivide = "Partager";
constexpr const char* kDivisions = "NbDiv";
constexpr const char* kMarkLength = "LongueurDuPoint";
constexpr const char* kLengthOnCurve = "LongueurSurCourbe";

// Lengths and areas tool
constexpr const char* kReportTotalLength = "LALongTotale";
constexpr const char* kReportPartialLength = "LALongPartie";
constexpr const char* kReportArea = "LAAire";
constexpr const char* kReportPathCount = "LANbrTraces";
constexpr const char* kReportPointCount = "LANbrPoints";

// Lines and arrowheads
constexpr const char* kLineWidth = "Epaisseur";
constexpr const char* kDashed = "TraitsPointilles";
constexpr const char* kDashLength = "TiretUn";
constexpr const char* kDashGap = "TrouUn";
constexpr const char* kRoundCaps = "BoutRond";
constexpr const char* kArrowShape = "NumeroDeFleche";
constexpr const char* kArrowSize = "Zoom";

// Text
constexpr const char* kTextSize = "Corps";
constexpr const char* kSizeInMillimetres = "CorpsEnMillimetres";
constexpr const char* kFontName = "Police";
constexpr const char* kFontPage = "NumeroPagePolices";

// Colours: the kind and the components of every kind
struct ColourKeys {
    const char* kind;
    const char* gray;
    const char* red;
    const char* green;
    const char* blue;
    const char* cyan;
    const char* magenta;
    const char* yellow;
    const char* black;
};
constexpr ColourKeys kLineColour{"TypeCoulTraits", "Gris",    "Rouge", "Vert",    "Bleu",
                                 "Cyan",           "Magenta", "Jaune", "NoirCMJN"};
constexpr ColourKeys kTextColour{"TypeCoulTexte", "GrisTexte",  "RougeTexte",
                                 "VertTexte",     "BleuTexte",  "CyanTexte",
                                 "MagentaTexte",  "JauneTexte", "NoirTexteCMJN"};
constexpr const char* kOverprintFill = "OverprintFill";
constexpr const char* kOverprintStroke = "OverprintStroke";
constexpr const char* kShowColoursNearCursor = "AffCoulAnno";

// Tolerances 1 and 2
struct ToleranceKeys {
    const char* shown;
    const char* value;
    const char* offset;
    const char* symbol;
    const char* stepTimesTen;
};
constexpr ToleranceKeys kTolerances[2] = {
    {"AvecToleranceUn", "ToleranceUn", "DecaleToleranceUn", "SymboleToleUn", "CoefToleranceUn"},
    {"AvecToleranceDeux", "ToleranceDeux", "DecaleToleranceDeux", "SymboleToleDeux",
     "CoefToleranceDeux"},
};

// Memory of measured segments and preference groups
constexpr const char* kMemoryCapacity = "NombreSouvenirsPrefs";
constexpr const char* kLastGroup = "NumSetPrefs";

/// A group key is a family key followed by the group's word ("CorpsPrefsTrois").
constexpr const char* kGroupFamilies[8] = {"CorpsPrefs",      "ZoomPrefs",       "EpaisseurPrefs",
                                           "EchelleNumPrefs", "EchelleDenPrefs", "FormePrefs",
                                           "UnitePrefs",      "PrecisionPrefs"};
constexpr const char* kGroupWords[4] = {"Un", "Deux", "Trois", "Quatre"};

}  // namespace prefkey

namespace prefalert {

constexpr const char* kWriteFailed =
    "Une erreur s'est produite pendant l'\xE9"
    "criture des pr\xE9"
    "f\xE9rences.";
constexpr const char* kReadFailed =
    "Une erreur s'est produite pendant la lecture des pr\xE9"
    "f\xE9rences.";

}  // namespace prefalert
}  // namespace quill
