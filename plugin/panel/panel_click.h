// The Parameters panel's answer to the tool's mouse-down and mouse-up.
#pragma once

#include "plugin/geometry/types.h"
#include "sdk/types.h"

namespace quill {

/// A click of the Parameters tool at `click` (document points) with Shift and Alt as held:
/// opens the chooser at the click, opens the page chosen or recalls a group, or passes
/// the click to the open page; a click that changes nothing closes the panel at mouse-up.
/// The view is drawn again. Returns the code of the host calls made; a failing zoom
/// request leaves the panel as it was.
AIErr PanelClick(Point click, bool shift, bool alt);

/// The mouse-up: the open page's settings are written (an alert tells a failure), then
/// the panel shows the chooser again after a group recall, or closes after a click that
/// closed it.
AIErr PanelMouseUp();

}  // namespace quill
