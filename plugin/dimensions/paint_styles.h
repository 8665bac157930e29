// The three path styles every dimension is drawn with, and the text colour, built
// from the settings when a tool is selected and after the colour or line settings
// change.
#pragma once

#include "plugin/settings/settings_record.h"
#include "sdk/sdk.h"

namespace quill {

struct PaintStyles {
    AIPathStyle fill{};    // `FillStyle`: filled in the line colour, no stroke
    AIPathStyle stroke{};  // `StrokeStyle`: stroked in the line colour, no fill, no dash
    AIPathStyle dashed{};  // `DashedStyle`: the stroke, dashed when "TraitsPointilles" is on
    AIColor textColour{};
};

/// Part of the plug-in object's state record bound to the message being handled
/// (frame/quill_state.h).
PaintStyles& Styles();

/// The host colour of a colour setting (grey, RGB or CMYK). A custom colour of the
/// document is held only while the plug-in runs; without one the colour is black.
AIColor HostColour(const ColourSetting& colour);

/// The colour of a swatch, in 16-bit RGB: RGB as it is; CMYK by its inks over white,
/// (1 − (C × (1 − K) + K)) × 65535 for red and so on; grey as black ink over white; a
/// custom colour as the black ink the dimensions are drawn with.
AIRGBColor SwatchColour(const ColourSetting& colour);

/// Builds the three styles and the text colour from the settings; the fill style starts
/// from the host's current path style.
void BuildPaintStyles();

/// The style of dimension lines and arcs: `DashedStyle` when "TraitsPointilles" is on,
/// else `StrokeStyle`.
const AIPathStyle& DimensionLineStyle();
/// Sets the stroke width of the stroke and dashed styles from "Epaisseur".
void RefreshStrokeWidths();

}  // namespace quill
