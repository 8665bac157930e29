#include "plugin/panel/panel_click.h"

#include <cmath>

#include "plugin/panel/page_kit.h"
#include "plugin/panel/panel_pages.h"
#include "plugin/services/suites.h"
#include "plugin/services/view_invalidation.h"
#include "plugin/settings/preference_groups.h"
#include "plugin/settings/preference_storage.h"

namespace quill {
namespace {

constexpr std::int32_t kFontsPerPage = 16;
constexpr Columns kPageListColumns{44, 216};
constexpr Band kPageListRows{0, kPanelPageCount};
// The recall buttons take the clicks strictly inside columns 17 to 36 and rows 0 to 4.
constexpr float kRecallLeft = 17, kRecallRight = 36;
constexpr float kRecallRows = kGroupCount;

int RowOf(float dy) {
    return static_cast<int>(std::ceil(dy / kRowPixels));
}

void OpenChooser(PanelState& panel, Point click) {
    for (bool& open : panel.pageOpen) open = true;
    panel.groupRecalled = false;
    panel.origin = click;
    std::int32_t count = 0;
    if (sAIFont->CountFonts(&count) != kNoErr || count < 0) count = 0;
    panel.fontCount = count;
    panel.fontPageCount = count / kFontsPerPage + (count % kFontsPerPage != 0 ? 1 : 0);
    panel.phase = PanelPhase::Chooser;
}

void ClickChooser(PanelState& panel, SettingsRecord& settings, PanelPoint at) {
    panel.ClearPageFlags();
    if (at.dx > kRecallLeft && at.dx < kRecallRight && at.dy > 0 &&
        at.dy < kRecallRows * kRowPixels)
        RecallGroup(RowOf(at.dy), settings, panel);
    else if (Inside(at, kPageListRows, kPageListColumns))
        panel.pageOpen[static_cast<int>(kPagesInChooserOrder[RowOf(at.dy) - 1])] = true;
    // Anywhere else the panel stays empty, and the next click closes it.
    panel.phase = PanelPhase::Page;
}

void ClickPage(PanelState& panel, SettingsRecord& settings, PanelPoint at, bool shift, bool alt) {
    for (bool& changed : panel.pageChanged) changed = false;
    const std::optional<PanelPage> page = ShownPage(panel);
    if (page) {
        PanelUi ui = PanelUi::ForClick(at, shift, alt);
        DescriptionOf (*page)(ui, settings, panel);
        if (ui.TookClick()) panel.MarkChanged(*page);
    }
    if (!page || !panel.Changed(*page)) panel.phase = PanelPhase::ClosingAtMouseUp;
}

}  // namespace

AIErr PanelClick(Point click, bool shift, bool alt) {
    PanelState& panel = Panel();
    SettingsRecord& settings = Settings();
    if (panel.phase == PanelPhase::Closed) {
        OpenChooser(panel, click);
    } else if (panel.phase == PanelPhase::Chooser || panel.phase == PanelPhase::Page) {
        // Hit tests use the zoom in force at the click.
        AIReal zoom = 1;
        const AIErr result = sAIDocumentView->GetDocumentViewZoom(nullptr, &zoom);
        if (result != kNoErr) return result;
        const PanelPoint at = PanelPointOf(click, panel.origin, zoom);
        if (panel.phase == PanelPhase::Chooser)
            ClickChooser(panel, settings, at);
        else
            ClickPage(panel, settings, at, shift, alt);
    }
    return InvalidateWholeView();
}

AIErr PanelMouseUp() {
    return WritePanelPage(Settings(), Panel());
}

}  // namespace quill
