// The host's fonts: the list it offers plug-ins (full names, from fontconfig unless a
// script names its own), and the FreeType faces behind them for text metrics.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace host {

/// Vertical and horizontal metrics of a face at 1 point, in points (y upwards).
struct FaceMetrics {
    double ascent = 0.8;    // above the baseline, > 0
    double descent = -0.2;  // below the baseline, < 0
};

class FontFace;

/// The family that stands in for a font the system does not have.
inline constexpr const char* kFallbackFontFamily = "DejaVu Sans";

class FontCatalog {
 public:
    FontCatalog();
    ~FontCatalog();
    FontCatalog(const FontCatalog&) = delete;
    FontCatalog& operator=(const FontCatalog&) = delete;

    /// The full names offered, in order (read from fontconfig on first use).
    const std::vector<std::string>& names();
    /// Replaces the list (a script's `font` line).
    void SetNames(std::vector<std::string> names);
    /// The index of the font of that full name, or -1.
    int IndexOf(const std::string& name);

    /// The face used to measure text in the font of that full name: the system's font
    /// of that name, else the fallback family; nullptr only when neither exists.
    FontFace* Face(const std::string& fullName);

 private:
    struct Library;
    std::unique_ptr<Library> library_;
    bool listed_ = false;
    std::vector<std::string> names_;
    std::map<std::string, FontFace*> facesByName_;
    std::map<std::string, std::unique_ptr<FontFace>> facesByFile_;
};

/// A FreeType face with its advances cached.
class FontFace {
 public:
    FontFace(void* ftFace) : face_(ftFace) {}
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    FaceMetrics metrics() const;
    /// The advance of the character at 1 point, in points (0 for a missing glyph's
    /// zero-width advance; the face's missing glyph otherwise).
    double Advance(char32_t character);

 private:
    void* face_;  // FT_Face
    std::unordered_map<char32_t, double> advances_;
};

}  // namespace host
