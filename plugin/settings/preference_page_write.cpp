// The page write at mouse-up in the Parameters tool: the keys of the one open page, with
// the field values as they stand. "Attaches", "NombreSouvenirsPrefs" and the group values
// are never written here.
#include "plugin/services/ai_error.h"
#include "plugin/services/alert.h"
#include "plugin/settings/preference_fields.h"
#include "plugin/settings/preference_keys.h"
#include "plugin/settings/preference_storage.h"
#include "plugin/settings/preference_store.h"
#include "sdk/errors.h"

namespace quill {
namespace {

using namespace prefkey;

void WriteLayerPage(SettingsRecord& s, PanelState&) {
    PutText(kLayerName, s.layerName);
}

void WriteUnitPage(SettingsRecord& s, PanelState&) {
    PutInteger(kUnit, s.unit);
    PutFlag(kShowUnit, s.showUnit);
}

void WriteDoubleMeasurePage(SettingsRecord& s, PanelState&) {
    PutFlag(kDoubleMeasure, s.doubleMeasure);
    PutInteger(kSecondUnit, s.secondUnit);
    PutFlag(kShowSecondUnit, s.showSecondUnit);
    PutInteger(kSecondPrecision, s.secondPrecision);
    PutFlag(kSecondDecimalComma, s.SecondDecimalComma());
}

void WriteNumberFormatPage(SettingsRecord& s, PanelState&) {
    PutFlag(kDecimalComma, s.DecimalComma());
    PutInteger(kThousandsSeparator, s.thousandsSeparator);
    PutInteger(kPrecision, s.precision);
}

void WriteScalePage(SettingsRecord& s, PanelState&) {
    PutReal(kScaleNumerator, s.scaleNumerator);
    PutReal(kScaleDenominator, s.scaleDenominator);
}

void WriteSegmentPage(SettingsRecord& s, PanelState&) {
    PutInteger(kDimensionType, s.dimensionType);
    PutFlag(kHorizontalText, s.horizontalText);
    PutReal(kTextOffset, s.textOffset);
    PutReal(kExtensionGap, s.extensionGap);
    PutFlag(kExtensionLines, s.extensionLines);
    PutFlag(kMeasureGroup, s.measureGroup);
}

void WriteAnglePage(SettingsRecord& s, PanelState&) {
    PutInteger(kArcStyle, s.ArcStyle());
    PutInteger(kArcCount, s.arcCount);
    PutReal(kArcSpacing, s.arcSpacing);
    PutReal(kAngleRadius, s.angleRadius);
}

void WriteCirclePage(SettingsRecord& s, PanelState&) {
    PutFlag(kDiameter, s.diameter);
    PutFlag(kShowCircleSign, s.showCircleSign);
    PutFlag(kSignBefore, s.signBefore);
    PutFlag(kRadiusLine, s.radiusLine);
    PutReal(kLandingLength, s.landingLength);
}

void WriteBezierPage(SettingsRecord& s, PanelState&) {
    PutFlag(kDivide, s.divide);
    PutInteger(kDivisions, s.divisions);
    PutReal(kMarkLength, s.markLength);
    PutReal(kLengthOnCurve, s.lengthOnCurve);
}

void WriteLengthsAndAreasPage(SettingsRecord& s, PanelState&) {
    PutFlag(kReportTotalLength, s.reportTotalLength);
    PutFlag(kReportPartialLength, s.reportPartialLength);
    PutFlag(kReportArea, s.reportArea);
    PutFlag(kReportPathCount, s.reportPathCount);
    PutFlag(kReportPointCount, s.reportPointCount);
}

void WriteColoursPage(SettingsRecord& s, PanelState&) {
    WriteColour(kLineColour, s.lineColour);
    WriteColour(kTextColour, s.textColour);
    PutFlag(kOverprintFill, s.overprintFill);
    PutFlag(kOverprintStroke, s.overprintStroke);
    PutFlag(kShowColoursNearCursor, s.showColoursNearCursor);
}

void WriteTextSizePage(SettingsRecord& s, PanelState&) {
    PutReal(kTextSize, s.textSize);
    PutFlag(kSizeInMillimetres, s.sizeInMillimetres);
}

void WriteFontPage(SettingsRecord& s, PanelState& panel) {
    s.fontPage = panel.fontPage;
    PutInteger(kFontPage, s.fontPage);
    PutText(kFontName, s.fontName);
}

void WriteLineFormatPage(SettingsRecord& s, PanelState&) {
    PutReal(kLineWidth, s.lineWidth);
    PutFlag(kDashed, s.dashed);
    PutReal(kDashLength, s.dashLength);
    PutReal(kDashGap, s.dashGap);
    PutFlag(kRoundCaps, s.roundCaps);
}

void WriteArrowheadsPage(SettingsRecord& s, PanelState&) {
    PutInteger(kArrowShape, s.arrowShape);
    PutReal(kArrowSize, s.arrowSize);
}

void WriteTolerancesPage(SettingsRecord& s, PanelState&) {
    for (int i = 0; i < 2; ++i) {
        PutFlag(kTolerances[i].shown, s.tolerances[i].shown);
        PutReal(kTolerances[i].value, s.tolerances[i].value);
        PutReal(kTolerances[i].offset, s.tolerances[i].offset);
    }
    for (int i = 0; i < 2; ++i) PutInteger(kTolerances[i].symbol, s.tolerances[i].symbol);
    for (int i = 0; i < 2; ++i) PutFlag(kTolerances[i].stepTimesTen, s.tolerances[i].stepTimesTen);
}

using PageWriter = void (*)(SettingsRecord&, PanelState&);

// Indexed by PanelPage: the order in which the open page is looked for.
constexpr PageWriter kPageWriters[kPanelPageCount] = {
    WriteLayerPage,         WriteUnitPage,
    WriteDoubleMeasurePage, WriteNumberFormatPage,
    WriteScalePage,         WriteSegmentPage,
    WriteAnglePage,         WriteCirclePage,
    WriteBezierPage,        WriteLengthsAndAreasPage,
    WriteColoursPage,       WriteTextSizePage,
    WriteFontPage,          WriteLineFormatPage,
    WriteArrowheadsPage,    WriteTolerancesPage,
};

void WriteFirstOpenPage(SettingsRecord& settings, PanelState& panel) {
    for (int page = 0; page < kPanelPageCount; ++page) {
        if (!panel.pageOpen[page]) continue;
        kPageWriters[page](settings, panel);
        return;
    }
}

}  // namespace

AIErr WritePanelPage(SettingsRecord& settings, PanelState& panel) {
    const bool groupRecalled = panel.groupRecalled;
    AIErr result = kNoErr;
    try {
        WriteFirstOpenPage(settings, panel);
        if (groupRecalled) {
            PutInteger(kLastGroup, settings.lastGroup);
            panel.groupRecalled = false;
        }
    } catch (const ai::Error& error) {
        ShowAlert(prefalert::kWriteFailed);
        result = error.code();
    }
    ClosePanelAtMouseUp(panel, groupRecalled);
    return result;
}

}  // namespace quill
