// The words the host shows for its undo and redo: the menu's verbs and the name of each
// kind of step, as a French illustration program names them.
#pragma once

namespace host {

inline constexpr const char* kUndoVerb = "Annuler";
inline constexpr const char* kRedoVerb = "Rétablir";

/// Art moved by dragging it or by the arrow keys.
inline constexpr const char* kMoveStepName = "Déplacement";
/// Art removed with the Delete key.
inline constexpr const char* kDeleteStepName = "Suppression";
/// A drawing opened in place of the one before.
inline constexpr const char* kOpenStepName = "Ouverture";
/// A click in the settings panel that the plug-in's parameters tool shows.
inline constexpr const char* kPanelStepName = "Modification des paramètres";
/// The tool whose clicks are panel clicks rather than gestures on the drawing.
inline constexpr const char* kPanelToolTitle = "Outil Paramètres";

}  // namespace host
