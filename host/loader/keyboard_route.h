// On Windows a plug-in reads the keyboard from the system (GetAsyncKeyState), not through
// the keyboard suite. The host stands in for the user's keyboard: the plug-in's import of
// that function is pointed at the host's own answer, the keys the session holds.
#pragma once

#include <windows.h>

namespace host {

/// Points the module's import of user32's GetAsyncKeyState at the host's key state;
/// false when the module does not import it.
bool RouteKeyboardToHost(HMODULE module);

}  // namespace host
