#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "host/fonts/system_fonts.h"

namespace host {

namespace {

std::string PatternString(FcPattern* pattern, const char* object, int at = 0) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, at, &value) != FcResultMatch || !value) return {};
    return reinterpret_cast<const char*>(value);
}

std::vector<std::string> PatternStrings(FcPattern* pattern, const char* object) {
    std::vector<std::string> values;
    FcChar8* text = nullptr;
    for (int i = 0; pattern && FcPatternGetString(pattern, object, i, &text) == FcResultMatch; ++i)
        if (text) values.emplace_back(reinterpret_cast<const char*>(text));
    return values;
}

int CssWeightOf(double fontconfigWeight) {
    const double openType = FcWeightToOpenTypeDouble(fontconfigWeight);
    const int hundreds = static_cast<int>(std::lround(openType / 100));
    return std::clamp(hundreds, 1, 9) * 100;
}

FontSlant SlantOf(int fontconfigSlant) {
    if (fontconfigSlant >= FC_SLANT_OBLIQUE) return FontSlant::Oblique;
    return fontconfigSlant >= FC_SLANT_ITALIC ? FontSlant::Italic : FontSlant::Upright;
}

// The installed faces whose `object` is `name`, with the properties asked for.
FcFontSet* ListFaces(const char* object, const std::string& name, FcObjectSet* objects) {
    FcPattern* pattern = FcPatternCreate();
    if (object) FcPatternAddString(pattern, object, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return set;
}

// What fontconfig is asked for to find a face by family, weight and slant.
FcPattern* MatchPattern(const std::string& family, int weight, FontSlant slant) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddDouble(pattern, FC_WEIGHT, FcWeightFromOpenTypeDouble(weight));
    const int fontconfigSlant = slant == FontSlant::Italic    ? FC_SLANT_ITALIC
                                : slant == FontSlant::Oblique ? FC_SLANT_OBLIQUE
                                                              : FC_SLANT_ROMAN;
    FcPatternAddInteger(pattern, FC_SLANT, fontconfigSlant);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

}  // namespace

std::vector<std::string> SystemFontNames() {
    std::set<std::string> names;
    FcFontSet* set = ListFaces(nullptr, {}, FcObjectSetBuild(FC_FULLNAME, nullptr));
    for (int i = 0; set && i < set->nfont; ++i) {
        std::string name = PatternString(set->fonts[i], FC_FULLNAME);
        if (!name.empty()) names.insert(name);
    }
    if (set) FcFontSetDestroy(set);
    return {names.begin(), names.end()};
}

bool FindSystemFontFile(FontKey key, const std::string& name, std::string* file, int* index) {
    FcFontSet* set = ListFaces(key == FontKey::FullName ? FC_FULLNAME : FC_FAMILY, name,
                               FcObjectSetBuild(FC_FILE, FC_INDEX, FC_STYLE, nullptr));
    bool found = false;
    if (set && set->nfont > 0) {
        // The regular style first, so that a family stands for its plain face.
        int pick = 0;
        for (int i = 0; i < set->nfont; ++i) {
            std::string style = PatternString(set->fonts[i], FC_STYLE);
            if (style == "Book" || style == "Regular") pick = i;
        }
        *file = PatternString(set->fonts[pick], FC_FILE);
        if (FcPatternGetInteger(set->fonts[pick], FC_INDEX, 0, index) != FcResultMatch) *index = 0;
        found = !file->empty();
    }
    if (set) FcFontSetDestroy(set);
    return found;
}

bool FindSystemFace(const std::string& fullName, SystemFace* face) {
    FcFontSet* set =
        ListFaces(FC_FULLNAME, fullName, FcObjectSetBuild(FC_FAMILY, FC_WEIGHT, FC_SLANT, nullptr));
    const bool found = set && set->nfont > 0;
    if (found) {
        FcPattern* first = set->fonts[0];
        double weight = FC_WEIGHT_REGULAR;
        int slant = FC_SLANT_ROMAN;
        FcPatternGetDouble(first, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(first, FC_SLANT, 0, &slant);
        face->weight = CssWeightOf(weight);
        face->slant = SlantOf(slant);
        face->families = PatternStrings(first, FC_FAMILY);
    }
    if (set) FcFontSetDestroy(set);
    return found;
}

bool SystemFamilyInstalled(const std::string& family) {
    FcFontSet* set = ListFaces(FC_FAMILY, family, FcObjectSetBuild(FC_FAMILY, nullptr));
    const bool installed = set && set->nfont > 0;
    if (set) FcFontSetDestroy(set);
    return installed;
}

std::vector<std::string> MatchSystemFont(const std::string& family, int weight, FontSlant slant) {
    FcPattern* pattern = MatchPattern(family, weight, slant);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::vector<std::string> names = PatternStrings(match, FC_FULLNAME);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return names;
}

}  // namespace host
