// The fonts installed on the system, as the host asks about them: fontconfig's on Linux,
// a list of the same faces on Windows.
#pragma once

#include <string>
#include <vector>

#include "host/fonts/font_description.h"

namespace host {

/// What a face is looked up by.
enum class FontKey { FullName, Family };

/// The full names of the installed faces, each once, in order.
std::vector<std::string> SystemFontNames();

/// The file and face index of the installed face whose full name (or family) is `name`:
/// the regular face when several have it. False when none has.
bool FindSystemFontFile(FontKey key, const std::string& name, std::string* file, int* index);

/// An installed face's families (the first is its own), weight (100 to 900) and slant.
struct SystemFace {
    std::vector<std::string> families;
    int weight = 400;
    FontSlant slant = FontSlant::Upright;
};
/// The installed face of that full name; false when there is none.
bool FindSystemFace(const std::string& fullName, SystemFace* face);

/// Whether a face of that family is installed.
bool SystemFamilyInstalled(const std::string& family);

/// The full names of the installed face that best matches a family, weight and slant
/// (empty when nothing matches at all).
std::vector<std::string> MatchSystemFont(const std::string& family, int weight, FontSlant slant);

}  // namespace host
