// What the frame shows and registers with the host: the plug-in's name, the About menu,
// the notifiers, the tools, the annotator and the about box. Written in UTF-8 here and
// held as Windows-1252; converted to the host's text where they cross.
#pragma once

#include <cstdint>

#include "plugin/text/cp1252_literal.h"

namespace quill::texts {

constexpr Cp1252Literal kPluginName("Quill");
/// Applied to the plug-in's name: the name of its application-started notifier.
constexpr Cp1252Literal kAppStartedNotifierFormat("%s App Started Notifier");

// The About menu: a submenu shared by the plug-ins of the family, and Quill's item in it.
constexpr Cp1252Literal kAboutFamilyGroup("À propos des Orl-Outils…");
constexpr Cp1252Literal kAboutItem("Orl-Quill…");
// The two lines of Quill's about box.
constexpr Cp1252Literal kAboutBoxTitle("Orl-Quill 7.0");
constexpr Cp1252Literal kAboutBoxText(
    "Cotation des dessins : Segment, Angle, Cercle, Bézier, Longueur & Aires, Paramètres.");

// Notifier names.
constexpr Cp1252Literal kShutdownNotifier("Quill");
constexpr Cp1252Literal kSelectionNotifier("Quill");
constexpr Cp1252Literal kCustomColorNotifier("Couleur");

constexpr Cp1252Literal kAnnotator("OrlAnno");

/// The host's own selection tool, made current once the host has started.
constexpr Cp1252Literal kHostSelectTool("Adobe Select Tool");

/// A tool of the palette: its title (also its name), tooltip and two icon resources.
struct ToolText {
    const char* title;
    const char* tooltip;
    std::int32_t icon;
    std::int32_t secondIcon;
};

constexpr Cp1252Literal kSegmentTitle("Outil Segment");
constexpr Cp1252Literal kSegmentTooltip("Outil Segment 7.0");
constexpr Cp1252Literal kAngleTitle("Outil Angle");
constexpr Cp1252Literal kAngleTooltip("Outil Angle 7.0");
constexpr Cp1252Literal kCircleTitle("Outil Cercle");
constexpr Cp1252Literal kCircleTooltip("Outil Cercle 7.0");
constexpr Cp1252Literal kBezierTitle("Outil Bézier");
constexpr Cp1252Literal kBezierTooltip("Outil Bézier 7.0");
constexpr Cp1252Literal kLengthsTitle("Outil Longueur & Aires");
constexpr Cp1252Literal kLengthsTooltip("Longueur & Aires 7.0");
constexpr Cp1252Literal kParametersTitle("Outil Paramètres");
constexpr Cp1252Literal kParametersTooltip("Outil Paramètres 7.0");

/// The six tools in registration order: entry i - 1 is the tool of index i.
constexpr ToolText kTools[] = {
    {kSegmentTitle.c_str(), kSegmentTooltip.c_str(), 16051, 16057},
    {kAngleTitle.c_str(), kAngleTooltip.c_str(), 16052, 16058},
    {kCircleTitle.c_str(), kCircleTooltip.c_str(), 16053, 16059},
    {kBezierTitle.c_str(), kBezierTooltip.c_str(), 16054, 16060},
    {kLengthsTitle.c_str(), kLengthsTooltip.c_str(), 16055, 16061},
    {kParametersTitle.c_str(), kParametersTooltip.c_str(), 16056, 16062},
};

// Tools of sibling plug-ins of the family, in the order the first tool looks for them:
// Quill's tools join the group of the first one present.
constexpr Cp1252Literal kSnapomaticTitle("Outil Snap-o-Matic");
constexpr Cp1252Literal kPlanTitle("Outil Orl-Plan");
constexpr Cp1252Literal kCartoucheTitle("Outil Orl-Cartouche");
constexpr const char* kRelatedTools[] = {kSnapomaticTitle.c_str(), kPlanTitle.c_str(),
                                         kCartoucheTitle.c_str()};

}  // namespace quill::texts
