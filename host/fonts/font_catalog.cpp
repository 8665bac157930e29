#include "host/fonts/font_catalog.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "host/fonts/system_fonts.h"

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

FontCatalog::FontCatalog() : library_(std::make_unique<Library>()) {}
FontCatalog::~FontCatalog() = default;

const std::vector<std::string>& FontCatalog::names() {
    if (!listed_) {
        names_ = SystemFontNames();
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
    if (library_->ft && (FindSystemFontFile(FontKey::FullName, fullName, &file, &index) ||
                         FindSystemFontFile(FontKey::Family, kFallbackFontFamily, &file, &index))) {
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
