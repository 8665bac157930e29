// The pages of the dimension's text: "Police.", "Corps." and "Nom du calque." (the layer
// the dimensions go to, typed on a keyboard of the panel).
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "plugin/panel/page_kit.h"
#include "plugin/panel/panel_pages.h"
#include "plugin/panel/texts.h"
#include "plugin/services/suites.h"
#include "plugin/text/units.h"

namespace quill {
namespace {

// Font page.
constexpr int kFontsPerPage = 16;
constexpr float kFontColumn = 45;
constexpr float kFontColumnPixelsPerCharacter = 8;
constexpr Band kFontPagesBand = RowBand(17);
constexpr Columns kMinus{45, 73}, kPlus{96, 124};
constexpr float kValueColumn = 130;

// Size page.
constexpr double kPointsPerMillimetrePreset = 72.0 / 25.4;
constexpr double kPointsPerMillimetreStep = 2.8346457;
constexpr int kSizesInFirstColumn = 8;
constexpr Columns kSizeColumns[2] = {{44, 110}, {120, 186}};
constexpr Band kSizeInPointsBand{9.5f, 10.5f}, kSizeInMillimetresBand{10.5f, 11.5f};
constexpr Columns kSizeUnitColumns{44, 186};
constexpr Band kSizeValueBand{13.8f, 14.8f};
constexpr Band kSizeStepperBand{15, 16};
constexpr Columns kSizeMultiplier{138, 187};
constexpr double kSmallestSize = 0.1;  // of the unit shown

struct SizePreset {
    double points, millimetres;
    const char* pointsText;
    const char* millimetresText;
};
constexpr SizePreset kSizes[] = {
    {6, 2, "6 pt", "2 mm"},       {8, 3, "8 pt", "3 mm"},       {10, 4, "10 pt", "4 mm"},
    {12, 5, "12 pt", "5 mm"},     {14, 6, "14 pt", "6 mm"},     {16, 7, "16 pt", "7 mm"},
    {20, 8, "20 pt", "8 mm"},     {24, 10, "24 pt", "10 mm"},   {36, 14, "36 pt", "14 mm"},
    {48, 18, "48 pt", "18 mm"},   {60, 22, "60 pt", "22 mm"},   {120, 26, "120 pt", "26 mm"},
    {180, 40, "180 pt", "40 mm"}, {240, 60, "240 pt", "60 mm"}, {300, 80, "300 pt", "80 mm"},
};
constexpr double kSameSize = 1e-4;

// Layer name page: three rows of keys 20 pixels wide on a pitch of 24.
constexpr Band kLayerNameBand = RowBand(1);
constexpr float kKeyStart = 4, kKeyPitch = 24, kKeyWidth = 20;
constexpr int kMaxTypedLength = 253;
constexpr Columns kSpaceBar{148, 220};
constexpr const char kKeyRow1[] = "AZERTYUIOPQSD";
constexpr const char kKeyRow2[] = "FGHJKLMWXCVBN";
constexpr const char kBackspaceKey[] = "<";
constexpr const char kCapitalsKey[] = "^";
constexpr int kDigitsBeforeSpace = 5;
constexpr int kFirstKeyAfterSpace = 9;

// The host's font at `index` of its list, and its name; false when the host has none.
bool FontName(std::int32_t index, char (&name)[kFontNameCapacity]) {
    AIFontKey font = nullptr;
    name[0] = '\0';
    if (sAIFont->IndexFontList(index, &font) != kNoErr) return false;
    if (sAIFont->GetFullFontName(font, name, sizeof name) != kNoErr) return false;
    name[kFontNameCapacity - 1] = '\0';
    return true;
}

Columns KeyColumns(int key) {
    const float left = kKeyStart + kKeyPitch * static_cast<float>(key);
    return {left, left + kKeyWidth};
}

// A key that types `character`: appended to the layer name unless it is full.
void TypeKey(PanelUi& ui, Band band, Columns columns, char character, SettingsRecord& settings) {
    const char label[2] = {character == ' ' ? '\0' : character, '\0'};
    if (!ui.Button(band, columns, label)) return;
    if (settings.layerNameLength >= kMaxTypedLength) return;
    char name[kLayerNameCapacity];
    std::memcpy(name, settings.layerName, sizeof name);
    name[settings.layerNameLength] = character;
    name[settings.layerNameLength + 1] = '\0';
    settings.SetLayerName(name);
}

char Letter(char capital, bool capitals) {
    return capitals ? capital : static_cast<char>(capital - 'A' + 'a');
}

}  // namespace

void DescribeFontPage(PanelUi& ui, SettingsRecord& settings, PanelState& panel) {
    ui.Title(texts::kFontTitle.c_str());
    // Row k of page p shows the font numbered 16 (p - 1) + k, counted from 1.
    const std::int32_t first = (panel.fontPage - 1) * kFontsPerPage;
    const int rows = std::clamp(panel.fontCount - first, 0, kFontsPerPage);
    char names[kFontsPerPage][kFontNameCapacity];
    std::size_t longest = 0;
    for (int row = 0; row < rows; ++row) {
        if (!FontName(first + row, names[row])) names[row][0] = '\0';
        longest = std::max(longest, std::strlen(names[row]));
    }
    const Columns nameColumns{
        kFontColumn, kFontColumn + kFontColumnPixelsPerCharacter * static_cast<float>(longest)};
    for (int row = 0; row < rows; ++row) {
        if (names[row][0] == '\0') continue;
        if (ui.Choice(RowBand(row + 1), nameColumns, names[row],
                      std::strcmp(names[row], settings.fontName) == 0))
            std::memcpy(settings.fontName, names[row], sizeof settings.fontName);
    }
    if (panel.fontPage > 1 && ui.Button(kFontPagesBand, kMinus, "-")) --panel.fontPage;
    if (panel.fontPage < panel.fontPageCount && ui.Button(kFontPagesBand, kPlus, "+"))
        ++panel.fontPage;
    ui.Text(kValueColumn, kFontPagesBand,
            (std::to_string(panel.fontPage) + " / " + std::to_string(panel.fontPageCount)).c_str());
}

void DescribeTextSizePage(PanelUi& ui, SettingsRecord& settings, PanelState& panel) {
    ui.Title(texts::kTextSizeTitle.c_str());
    const bool millimetres = settings.sizeInMillimetres;
    int index = 0;
    for (const SizePreset& preset : kSizes) {
        const bool second = index >= kSizesInFirstColumn;
        const Band band = RowBand(second ? index - kSizesInFirstColumn + 1 : index + 1);
        ++index;
        const double points =
            millimetres ? preset.millimetres * kPointsPerMillimetrePreset : preset.points;
        if (ui.Choice(band, kSizeColumns[second ? 1 : 0],
                      millimetres ? preset.millimetresText : preset.pointsText,
                      std::fabs(settings.textSize - points) < kSameSize))
            settings.textSize = points;
    }
    if (ui.Choice(kSizeInPointsBand, kSizeUnitColumns, Unit(kPoints).titleName, !millimetres))
        settings.sizeInMillimetres = false;
    if (ui.Choice(kSizeInMillimetresBand, kSizeUnitColumns, Unit(kMillimetres).titleName,
                  millimetres))
        settings.sizeInMillimetres = true;

    const double unit = millimetres ? kPointsPerMillimetreStep : 1.0;
    const std::string shown =
        millimetres
            ? PanelNumber(settings, settings.textSize / kPointsPerMillimetrePreset, 2) + " mm"
            : PanelNumber(settings, settings.textSize, 2) + " pt";
    ui.Text(kSizeColumns[0].left, kSizeValueBand, shown.c_str());
    const double times = panel.sizeStepTimesTen ? 10.0 : 1.0;
    Stepper(
        ui, kSizeStepperBand, kMinus, kPlus, settings.textSize,
        {{0.1 * unit * times, 1 * unit * times, 2 * unit * times}, FloorAt(kSmallestSize * unit)});
    if (ui.CheckBox(kSizeStepperBand, kSizeMultiplier, texts::kTimesTen.c_str(),
                    panel.sizeStepTimesTen))
        panel.sizeStepTimesTen = !panel.sizeStepTimesTen;
    ui.Help(panel.sizeStepTimesTen ? texts::kTextSizeStepsTimesTen.c_str()
                                   : texts::kTextSizeSteps.c_str());
    GroupButtonColumn(ui, GroupButtons::TextSize, 0, texts::kTextSizeGroupMessage.c_str(), settings,
                      panel);
}

void DescribeLayerNamePage(PanelUi& ui, SettingsRecord& settings, PanelState& panel) {
    ui.Title(texts::kPageLayerName.c_str());
    ui.Text(kKeyStart, kLayerNameBand, settings.layerName);

    const Band row1 = RowBand(2), row2 = RowBand(3), row3 = RowBand(4);
    if (ui.Button(row1, KeyColumns(0), kBackspaceKey) && settings.layerNameLength > 0) {
        settings.layerName[settings.layerNameLength - 1] = '\0';
        settings.UpdateLayerNameLength();
    }
    if (ui.Button(row2, KeyColumns(0), kCapitalsKey, panel.capitals))
        panel.capitals = !panel.capitals;
    for (int i = 0; kKeyRow1[i]; ++i)
        TypeKey(ui, row1, KeyColumns(i + 1), Letter(kKeyRow1[i], panel.capitals), settings);
    for (int i = 0; kKeyRow2[i]; ++i)
        TypeKey(ui, row2, KeyColumns(i + 1), Letter(kKeyRow2[i], panel.capitals), settings);
    TypeKey(ui, row3, KeyColumns(0), '-', settings);
    for (int digit = 0; digit <= 9; ++digit) {
        const int key = digit < kDigitsBeforeSpace
                            ? digit + 1
                            : kFirstKeyAfterSpace + digit - kDigitsBeforeSpace;
        TypeKey(ui, row3, KeyColumns(key), static_cast<char>('0' + digit), settings);
    }
    TypeKey(ui, row3, kSpaceBar, ' ', settings);
}

}  // namespace quill
