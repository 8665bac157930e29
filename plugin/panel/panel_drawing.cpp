#include "plugin/panel/panel_drawing.h"

#include <string>

#include "plugin/panel/page_kit.h"
#include "plugin/panel/panel_pages.h"
#include "plugin/panel/texts.h"
#include "plugin/services/host_geometry.h"
#include "plugin/services/host_text.h"
#include "plugin/services/suites.h"
#include "plugin/tools/tool_state.h"

namespace quill {
namespace {

constexpr std::int32_t kFontPreset = 0;
// The hint stands as the cursor's other texts do, to the right of the pointer.
constexpr std::int32_t kHintOffset = 16;

AIErr DrawHint(const AIAnnotatorMessage& message) {
    const ToolState& tools = Tools();
    const AIRealPoint cursor{tools.cursor.h, tools.cursor.v};
    AIPoint at{0, 0};
    AIErr result = sAIDocumentView->ArtworkPointToViewPoint(message.view, &cursor, &at);
    if (result != kNoErr) return result;
    at = HeldInView(at);
    at.h += kHintOffset;
    sAIAnnotatorDrawer->SetColor(message.drawer, &tools.smartGuideColour);
    const std::string text = ToHostText(texts::kOpenPanelHint.c_str());
    return sAIAnnotatorDrawer->DrawText(message.drawer, text.c_str(), &at);
}

AIErr DrawDescribed(const AIAnnotatorMessage& message, PageDescription describe) {
    PanelState& panel = Panel();
    SettingsRecord& settings = Settings();
    AIReal zoom = 1;
    AIErr result = sAIDocumentView->GetDocumentViewZoom(message.view, &zoom);
    if (result != kNoErr) return result;
    const AIRealPoint origin{panel.origin.h, panel.origin.v};
    AIPoint viewOrigin{0, 0};
    result = sAIDocumentView->ArtworkPointToViewPoint(message.view, &origin, &viewOrigin);
    if (result != kNoErr) return result;
    viewOrigin = HeldInView(viewOrigin);

    const PanelPoint pointer = PanelPointOf(Tools().cursor, panel.origin, zoom);
    PanelUi layout = PanelUi::ForLayout(pointer);
    describe(layout, settings, panel);
    layout.Finish();
    PanelUi ui = PanelUi::ForDrawing(message.drawer, viewOrigin, pointer);
    ui.Background(layout);
    describe(ui, settings, panel);
    ui.Finish();
    return ui.LastCode();
}

}  // namespace

AIErr DrawPanel(const AIAnnotatorMessage& message) {
    const AIErr preset = sAIAnnotatorDrawer->SetFontPreset(message.drawer, kFontPreset);
    switch (Panel().phase) {
        case PanelPhase::Closed:
            return DrawHint(message);
        case PanelPhase::Chooser:
            return DrawDescribed(message, DescribeChooser);
        case PanelPhase::Page:
            if (const std::optional<PanelPage> page = ShownPage(Panel()))
                return DrawDescribed(message, DescriptionOf(*page));
            return preset;
        default:
            return preset;
    }
}

}  // namespace quill
