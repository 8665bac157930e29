#include "plugin/text/units.h"

namespace quill {
namespace {

// Texts are Windows-1252: "\xE8" is "è", "\xE9" "é", "\xB5" "µ".

constexpr double kPointsPerInch = 72.0;
constexpr double kSquarePointsPerSquareInch = 5184.0;

const UnitInfo kUnits[kUnitCount] = {
    {"microm\xE8tres", "Microm\xE8tres", "micro", 25400.0 / kPointsPerInch, 10080625.0 / 81.0,
     " \xB5m", " \xB5m2"},
    {"millim\xE8tres", "Millim\xE8tres", "", 25.4 / kPointsPerInch,
     645.16 / kSquarePointsPerSquareInch, " mm", " mm2"},
    {"centim\xE8tres", "Centim\xE8tres", "", 2.54 / kPointsPerInch,
     6.4516 / kSquarePointsPerSquareInch, " cm", " cm2"},
    {"pouces d\xE9"
     "cimaux",
     "Pouces d\xE9"
     "cimaux",
     "", 1.0 / kPointsPerInch, 1.0 / kSquarePointsPerSquareInch, nullptr, " po2"},
    {"pouces fractionnaires", "Pouces fractionnaires", "in (frac)", 1.0 / kPointsPerInch,
     1.0 / kSquarePointsPerSquareInch, nullptr, " po2"},
    {"pieds pouces fractionnaires", "Pieds et pouces fractionnaires", "ft in (frac)",
     1.0 / kPointsPerInch, 1.0 / kSquarePointsPerSquareInch, nullptr, " po2"},
    {"points", "Points", "", 1.0, 1.0, " pt", " pt2"},
    {"picas", "Picas", "", 1.0 / 12.0, 1.0 / 144.0, " pc", " pc2"},
    {"m\xE8tres", "M\xE8tres", "", 0.0254 / kPointsPerInch, 0.00064516 / kSquarePointsPerSquareInch,
     " m", " m2"},
    {"kilom\xE8tres", "Kilom\xE8tres", "", 0.0254 * 0.001 / kPointsPerInch, 0.64516e-6 / 5.184e6,
     " km", " km2"},
    {"sans unit\xE9", "Sans unit\xE9", "sans", 0.0, 0.0, nullptr, nullptr},
};

const char kNoSecondUnitName[] = "aucune";

}  // namespace

bool IsMeasuringUnit(UnitCode code) {
    return code >= kMicrometres && code <= kKilometres;
}

const UnitInfo& Unit(UnitCode code) {
    return (code >= 0 && code < kUnitCount) ? kUnits[code] : kUnits[kNoUnit];
}

const char* SecondUnitListName(UnitCode code) {
    return IsMeasuringUnit(code) ? kUnits[code].listName : kNoSecondUnitName;
}

const char* InchMarkText(InchMark mark) {
    switch (mark) {
        case InchMark::Po:
            return " po";
        case InchMark::In:
            return " in";
        case InchMark::DoubleQuote:
            break;
    }
    return " \"";
}

const char* FootMarkText(FootMark mark) {
    switch (mark) {
        case FootMark::Pi:
            return " pi ";
        case FootMark::Ft:
            return " ft ";
        case FootMark::Quote:
            break;
    }
    return " \x92 ";
}

MeasureMarks ReadoutMarks(const MeasureMarks& inForce) {
    MeasureMarks readout = inForce;
    readout.inch = InchMark::Po;
    readout.foot = FootMark::Pi;
    return readout;
}

}  // namespace quill
