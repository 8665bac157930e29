// Units of measure: the codes the user picks from, their names, their factors from
// document points (1/72 inch) and the suffixes written after a number, for lengths and
// areas; and the inch and foot marks in force.
#pragma once

#include <cstdint>

namespace quill {

/// A unit of measure, 0 to 10, as stored in "UnitePrefs" and "SecondeUnite". Any other
/// value is handled as kNoUnit.
using UnitCode = std::int32_t;

constexpr UnitCode kMicrometres = 0;
constexpr UnitCode kMillimetres = 1;
constexpr UnitCode kCentimetres = 2;
constexpr UnitCode kDecimalInches = 3;
constexpr UnitCode kFractionalInches = 4;
constexpr UnitCode kFeetAndFractionalInches = 5;
constexpr UnitCode kPoints = 6;
constexpr UnitCode kPicas = 7;
constexpr UnitCode kMetres = 8;
constexpr UnitCode kKilometres = 9;
constexpr UnitCode kNoUnit = 10;
constexpr int kUnitCount = 11;

/// What the interface says of a unit and how a measure in it is computed.
struct UnitInfo {
    const char* listName;      // lower case, as in the unit lists ("millimètres")
    const char* titleName;     // capitalised, as in titles ("Millimètres")
    const char* shortName;     // "micro", "in (frac)", "ft in (frac)", "sans", or ""
    double lengthFactor;       // length in the unit of one point; 0 for kNoUnit
    double areaFactor;         // area in the unit of one square point; 0 for kNoUnit
    const char* lengthSuffix;  // " mm"…; nullptr for the inch codes (the inch mark) and kNoUnit
    const char* areaSuffix;    // " mm2"…; nullptr for kNoUnit
};

/// True for the codes 0 to 9, the units a measure is written in.
bool IsMeasuringUnit(UnitCode code);
/// The table entry of `code`; codes outside 0..10 give the entry of kNoUnit.
const UnitInfo& Unit(UnitCode code);
/// The name of `code` in the second measure's unit list, where kNoUnit reads "aucune".
const char* SecondUnitListName(UnitCode code);

enum class InchMark { DoubleQuote, Po, In };  // ' "', " po", " in"
enum class FootMark { Quote, Pi, Ft };        // " ’ " (0x92), " pi ", " ft "

const char* InchMarkText(InchMark mark);
const char* FootMarkText(FootMark mark);

/// The marks of inches and feet and the largest denominator of fractional inches.
struct MeasureMarks {
    InchMark inch = InchMark::DoubleQuote;
    FootMark foot = FootMark::Quote;
    std::int16_t largestDenominator = 32;
};

/// The marks of readouts: " po" after inches and " pi " after feet, the same denominator.
MeasureMarks ReadoutMarks(const MeasureMarks& inForce);

}  // namespace quill
