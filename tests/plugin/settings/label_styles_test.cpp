#include "plugin/settings/label_styles.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

SettingsRecord Millimetres(int precision = 1) {
    SettingsRecord settings;
    settings.unit = kMillimetres;
    settings.precision = precision;
    return settings;
}

std::string Length(double points, const SettingsRecord& settings) {
    LabelText label;
    ComposeLengthLabel(points, LabelStyleOf(settings), label);
    return label.c_str();
}

TEST(LengthLabel, UnitsScaleAndSuffixes) {
    struct Case {
        UnitCode unit;
        int precision;
        double numerator, denominator;
        bool showUnit;
        double points;
        const char* expected;
    };
    const Case cases[] = {
        {kMillimetres, 1, 1, 1, true, 72, "25,4 mm"},
        {kMillimetres, 1, 1, 100, true, 72, "2 540 mm"},
        {kPicas, 1, 1, 1, true, 72, "6 pc"},
        {kPoints, 1, 1, 1, true, 72, "72 pt"},
        {kPoints, 1, 1, 1, false, 72, "72"},
        {kMicrometres, 0, 1, 1, true, 72, "25 400 \xB5m"},
        {kCentimetres, 2, 1, 1, true, 72, "2,54 cm"},
        {kMetres, 4, 1, 1, true, 72, "0,0254 m"},
        {kKilometres, 6, 1, 1, true, 72 * 1000, "0,0254 km"},
        {kDecimalInches, 2, 1, 1, true, 36, "0,5 \""},
        {kFractionalInches, 2, 1, 1, false, 252, "3 1/2"},
        {kFeetAndFractionalInches, 2, 1, 1, true, 72 * 63.25, "5 \x92 3 1/4 \""},
        {kPoints, 1, 10, 1, true, 72, "7,2 pt"},
        {kNoUnit, 1, 1, 1, true, 72, ""},
        {42, 1, 1, 1, true, 72, ""},  // an unknown unit writes nothing
    };
    for (const Case& c : cases) {
        SettingsRecord settings;
        settings.unit = c.unit;
        settings.precision = c.precision;
        settings.SetScale(c.numerator, c.denominator);
        settings.showUnit = c.showUnit;
        EXPECT_EQ(Length(c.points, settings), c.expected) << "unit " << c.unit;
    }
}

TEST(LengthLabel, SecondMeasureOnASecondLine) {
    SettingsRecord settings = Millimetres();
    settings.doubleMeasure = true;
    settings.secondUnit = kPoints;
    settings.secondPrecision = 0;
    // (Both measures written is the Segment tool's scenario.)
    settings.secondUnit = kNoUnit;  // the break stays, the second line is empty
    EXPECT_EQ(Length(72, settings), "25,4 mm\r");

    settings.unit = kNoUnit;
    settings.secondUnit = kMillimetres;
    settings.secondPrecision = 2;
    settings.SetSecondDecimalComma(false);
    settings.showSecondUnit = false;
    EXPECT_EQ(Length(72, settings), "\r25.4");

    settings.doubleMeasure = false;
    EXPECT_EQ(Length(72, settings), "");
}

std::string Circle(double radius, bool invert, const SettingsRecord& settings) {
    LabelText label;
    ComposeCircleLabel(radius, invert, LabelStyleOf(settings), CircleSignOf(settings), label);
    return label.c_str();
}

// (The signs before and after, the diameter and the modifier are the Circle tool's
// scenario.)
TEST(CircleLabel, SecondMeasureAndNumbersBeyondAFloat) {
    SettingsRecord settings = Millimetres();
    settings.doubleMeasure = true;  // second measure in points, precision 1
    EXPECT_EQ(Circle(36, false, settings), "R 12,7 mm\rR 36 pt");

    settings.unit = kPoints;
    settings.doubleMeasure = false;
    EXPECT_EQ(Circle(1e40, false, settings), "R 0 pt");               // beyond 3.4e37 is written 0
    EXPECT_EQ(Circle(1e37, false, settings).substr(0, 6), "R 9 99");  // 1e37f is 9.99…e36
}

// (Precision, separator and the unit's sign are the Angle tool's scenario.)
TEST(AngleLabel, DegreesWithoutScale) {
    SettingsRecord settings = Millimetres();
    settings.SetScale(1, 100);
    LabelText label;
    ComposeAngleLabel(kHalfPi, true, MainMeasureFormat(settings), label);
    EXPECT_STREQ(label.c_str(), "270\xB0");
    ComposeAngleLabel(-kHalfPi / 2, false, MainMeasureFormat(settings), label);
    EXPECT_STREQ(label.c_str(), "45\xB0");
}

TEST(ToleranceText, SignAndValue) {
    SettingsRecord settings;
    settings.tolerances[0].shown = true;
    settings.tolerances[1].shown = true;
    LabelText text;
    EXPECT_TRUE(ComposeToleranceText(ToleranceStyleOf(settings, 0), text));
    EXPECT_STREQ(text.c_str(), "-0,25");
    EXPECT_TRUE(ComposeToleranceText(ToleranceStyleOf(settings, 1), text));
    EXPECT_STREQ(text.c_str(), "+0,12");

    settings.tolerances[1].symbol = 2;
    settings.SetDecimalComma(false);
    settings.SetToleranceValue(1, 0.1);
    EXPECT_TRUE(ComposeToleranceText(ToleranceStyleOf(settings, 1), text));
    EXPECT_STREQ(text.c_str(),
                 "\xB1"
                 "0.1");
    EXPECT_STREQ(settings.tolerances[1].text, "0.1");

    settings.tolerances[1].symbol = 7;  // a hand-edited sign code writes no sign
    EXPECT_TRUE(ComposeToleranceText(ToleranceStyleOf(settings, 1), text));
    EXPECT_STREQ(text.c_str(), "0.1");

    settings.tolerances[0].shown = false;
    EXPECT_FALSE(ComposeToleranceText(ToleranceStyleOf(settings, 0), text));
    EXPECT_STREQ(text.c_str(), "");
    EXPECT_FALSE(ComposeToleranceText(ToleranceStyleOf(settings, 2), text));
}

// (Areas are the area text's tests; readouts in each unit the Lengths & Areas scenario.)
TEST(Readouts, PathLengthsAlwaysShowTheUnit) {
    SettingsRecord settings;
    settings.unit = kFeetAndFractionalInches;
    settings.precision = 2;
    settings.showUnit = false;
    LabelText text;
    WriteLengthReadout(72 * 63.25, MainMeasureFormat(settings), MeasureMarks{}, text);
    EXPECT_STREQ(text.c_str(), "5 pi 3 1/4 po");
    settings.unit = kNoUnit;
    WriteLengthReadout(36, MainMeasureFormat(settings), MeasureMarks{}, text);
    EXPECT_STREQ(text.c_str(), "");
}

// (The names the panel's pages show, "millimètres" and "aucune" among them, are the
// panel's scenario.)
TEST(Units, NamesAndMarks) {
    EXPECT_STREQ(Unit(kFeetAndFractionalInches).titleName, "Pieds et pouces fractionnaires");
    EXPECT_STREQ(Unit(kDecimalInches).listName,
                 "pouces d\xE9"
                 "cimaux");
    EXPECT_STREQ(Unit(-1).titleName, "Sans unit\xE9");
    EXPECT_STREQ(SecondUnitListName(kPicas), "picas");

    SettingsRecord settings;
    settings.marks.inch = InchMark::In;
    settings.marks.largestDenominator = 8;
    settings.SetMarksForToolSelection();
    EXPECT_EQ(settings.marks.inch, InchMark::DoubleQuote);
    EXPECT_EQ(settings.marks.foot, FootMark::Quote);
    EXPECT_EQ(settings.marks.largestDenominator, 32);
    EXPECT_STREQ(InchMarkText(InchMark::In), " in");
    EXPECT_STREQ(FootMarkText(FootMark::Ft), " ft ");
}

}  // namespace
}  // namespace quill
