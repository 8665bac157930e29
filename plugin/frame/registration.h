// What the plug-in registers with the host at start-up: the About menu item, its
// notifiers, the six tools and the annotator; and the host's selection tool, made current
// once the host has started. Each returns the code of its first failing host call
// ('CANT' for any other failure), 0 on success.
#pragma once

#include <string>

#include "sdk/sdk.h"

namespace quill {

/// Adds "Orl-Quill…" to the About submenu that the plug-ins of the family share,
/// creating the submenu under the host's About group when no plug-in of the family has.
ASErr AddAboutMenuItem(SPPluginRef self, AIMenuItemHandle* item);

struct NotifierHandles {
    AINotifierHandle appShutdown = nullptr;
    AINotifierHandle selectionChanged = nullptr;
    AINotifierHandle customColorChanged = nullptr;
};

/// The application-shutdown, selection-changed and custom-colour-changed notifiers.
ASErr RegisterNotifiers(SPPluginRef self, NotifierHandles* handles);

/// Loads the settings, then adds the six tools in one group and one toolset, keeping
/// their handles in the tool state (index 1 to 6). A tool that cannot be added stops the
/// later ones; an icon that cannot be loaded or attached is left out.
ASErr RegisterTools(SPPluginRef self);

/// Adds the annotator "OrlAnno" and makes it inactive; the result is the deactivation's.
ASErr RegisterAnnotator(SPPluginRef self, AIAnnotatorHandle* annotator);

/// Makes the host's own selection tool the selected tool.
ASErr SelectHostSelectionTool();

/// `text` (Windows-1252) as the host's UTF-8; raises ai::Error when it cannot be converted.
std::string HostText(const char* text);

}  // namespace quill
