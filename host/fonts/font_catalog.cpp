#include "host/fonts/font_catalog.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <set>

namespace host {

struct FontCatalog::Library {
    FT_Library ft = nullptr;
    Library() {
        if (FT_Init_FreeType(&ft) != 0) ft = nullptr;
    }
    ~Library() {
        if (ft) FT_Done_FreeType(ft);
    }
};

namespace {

std::string PatternString(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value) return {};
    return reinterpret_cast<const char*>(value);
}

std::vector<std::string> SystemFullNames() {
    std::set<std::string> names;
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FULLNAME, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    if (set)
        for (int i = 0; i < set->nfont; ++i) {
            std::string name = PatternString(set->fonts[i], FC_FULLNAME);
            if (!name.empty()) names.insert(name);
        }
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return {names.begin(), names.end()};
}

/// The file and face index of the system font whose full name (or, for the fallback,
/// family) is `name`; false when fontconfig has none of that name.
bool FindFontFile(const char* object, const std::string& name, std::string* file, int* index) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, object, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_STYLE, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
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
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

FontCatalog::FontCatalog() : library_(std::make_unique<Library>()) {}
FontCatalog::~FontCatalog() = default;

const std::vector<std::string>& FontCatalog::names() {
    if (!listed_) {
        names_ = SystemFullNames();
        listed_ = true;
    }
    return names_;
}

void FontCatalog::SetNames(std::vector<std::string> names) {
    names_ = std::move(names);
    listed_ = true;
}

int FontCatalog::IndexOf(const std::string& name) {
    const auto& list = names();
    auto it = std::find(list.begin(), list.end(), name);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

FontFace* FontCatalog::Face(const std::string& fullName) {
    auto known = facesByName_.find(fullName);
    if (known != facesByName_.end()) return known->second;
    FontFace* face = nullptr;
    std::string file;
    int index = 0;
    if (library_->ft && (FindFontFile(FC_FULLNAME, fullName, &file, &index) ||
                         FindFontFile(FC_FAMILY, kFallbackFontFamily, &file, &index))) {
        std::string key = file + "#" + std::to_string(index);
        auto& cached = facesByFile_[key];
        if (!cached) {
            FT_Face ftFace = nullptr;
            if (FT_New_Face(library_->ft, file.c_str(), index, &ftFace) == 0) {
                if (ftFace->units_per_EM > 0)
                    cached = std::make_unique<FontFace>(ftFace);
                else
                    FT_Done_Face(ftFace);
            }
        }
        face = cached.get();
    }
    facesByName_[fullName] = face;
    return face;
}

FontFace::~FontFace() {
    FT_Done_Face(static_cast<FT_Face>(face_));
}

FaceMetrics FontFace::metrics() const {
    auto face = static_cast<FT_Face>(face_);
    double em = face->units_per_EM;
    return FaceMetrics{face->ascender / em, face->descender / em};
}

double FontFace::Advance(char32_t character) {
    auto cached = advances_.find(character);
    if (cached != advances_.end()) return cached->second;
    auto face = static_cast<FT_Face>(face_);
    double advance = 0;
    FT_UInt glyph = FT_Get_Char_Index(face, character);
    // Unscaled outlines: advances in font units, independent of hinting.
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) == 0)
        advance = static_cast<double>(face->glyph->advance.x) / face->units_per_EM;
    advances_[character] = advance;
    return advance;
}

}  // namespace host
