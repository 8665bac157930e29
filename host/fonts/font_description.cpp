#include "host/fonts/font_description.h"

#include "host/fonts/system_fonts.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <string_view>
#include <vector>

namespace host {

namespace {

constexpr int kRegularWeight = 400;
constexpr int kBoldWeight = 700;

// Words that name a face's weight or slant rather than its family, as PostScript names
// write them after the family ("Helvetica-BoldOblique").
struct StyleWord {
    std::string_view word;
    int weight;  // 0: not a weight
    FontSlant slant;
};
constexpr StyleWord kStyleWords[] = {
    {"extralight", 200, FontSlant::Upright}, {"ultralight", 200, FontSlant::Upright},
    {"semibold", 600, FontSlant::Upright},   {"demibold", 600, FontSlant::Upright},
    {"extrabold", 800, FontSlant::Upright},  {"ultrabold", 800, FontSlant::Upright},
    {"thin", 100, FontSlant::Upright},       {"light", 300, FontSlant::Upright},
    {"regular", 400, FontSlant::Upright},    {"book", 400, FontSlant::Upright},
    {"normal", 400, FontSlant::Upright},     {"roman", 400, FontSlant::Upright},
    {"medium", 500, FontSlant::Upright},     {"demi", 600, FontSlant::Upright},
    {"bold", 700, FontSlant::Upright},       {"black", 900, FontSlant::Upright},
    {"heavy", 900, FontSlant::Upright},      {"italic", 0, FontSlant::Italic},
    {"oblique", 0, FontSlant::Oblique}};

// Parts of family names that say which generic family looks most like it.
constexpr std::string_view kMonospaceHints[] = {"mono", "courier", "code", "consol", "typewriter"};
constexpr std::string_view kSerifHints[] = {"serif",    "times",      "roman",   "georgia",
                                            "garamond", "palatino",   "century", "bodoni",
                                            "book",     "schoolbook", "caslon"};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

const char* GenericFamily(const std::string& family) {
    const std::string lower = Lower(family);
    for (std::string_view hint : kMonospaceHints)
        if (Contains(lower, hint)) return "monospace";
    if (Contains(lower, "sans")) return "sans-serif";
    for (std::string_view hint : kSerifHints)
        if (Contains(lower, hint)) return "serif";
    return "sans-serif";
}

// Reads a word made only of style words ("BoldOblique") into the description; false,
// the description unchanged, when the word is anything else.
bool ReadStyleWord(std::string_view word, FontDescription* font) {
    std::string rest = Lower(word);
    FontDescription read = *font;
    while (!rest.empty()) {
        auto known = std::find_if(std::begin(kStyleWords), std::end(kStyleWords),
                                  [&](const StyleWord& s) { return rest.rfind(s.word, 0) == 0; });
        if (known == std::end(kStyleWords)) return false;
        if (known->weight != 0) read.weight = known->weight;
        if (known->slant != FontSlant::Upright) read.slant = known->slant;
        rest.erase(0, known->word.size());
    }
    *font = read;
    return !word.empty();
}

// A name the system does not know keeps it, but for style words after its last hyphen,
// as PostScript names write them ("Helvetica-BoldOblique"): a family may end in a style
// word of its own ("Arial Black").
FontDescription DescribeMissingFont(const std::string& fullName) {
    FontDescription font;
    font.family = fullName;
    const std::size_t cut = fullName.rfind('-');
    if (cut != std::string::npos && cut > 0 &&
        ReadStyleWord(std::string_view(fullName).substr(cut + 1), &font))
        font.family.erase(cut);
    font.generic = GenericFamily(font.family);
    return font;
}

// Whether the system, asked for the family in that weight and slant, gives the face of
// that full name.
bool ResolvesTo(const FontDescription& font, const std::string& fullName) {
    const std::vector<std::string> names = MatchSystemFont(font.family, font.weight, font.slant);
    return std::find(names.begin(), names.end(), fullName) != names.end();
}

// The installed face of that full name: its families, weight and slant.
bool DescribeInstalledFont(const std::string& fullName, FontDescription* font) {
    SystemFace face;
    if (!FindSystemFace(fullName, &face)) return false;
    font->weight = face.weight;
    font->slant = face.slant;
    font->installed = true;
    // A face may belong to several families ("DejaVu Sans", "DejaVu Sans Condensed"):
    // the first that leads back to it, else the first.
    font->family = face.families.empty() ? fullName : face.families.front();
    for (const std::string& candidate : face.families) {
        FontDescription tried = *font;
        tried.family = candidate;
        if (ResolvesTo(tried, fullName)) {
            font->family = candidate;
            break;
        }
    }
    return true;
}

bool BeginsWithFamily(const std::string& name, const std::string& family) {
    return name == family || name.rfind(family + " ", 0) == 0;
}

// The full name of the face fontconfig gives for the family, weight and slant; the one
// that begins with the family when the face has several ("C059-Bold", "C059 Bold").
std::string MatchedFullName(const std::string& family, int weight, FontSlant slant) {
    const std::vector<std::string> names = MatchSystemFont(family, weight, slant);
    auto best = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
        return BeginsWithFamily(name, family);
    });
    if (best != names.end()) return *best;
    return names.empty() ? std::string() : names.front();
}

// The family's name with the words of a weight and slant after a hyphen, as a
// PostScript name ("Helvetica-BoldItalic"), or alone for the regular face.
std::string NameWithStyleWords(const std::string& family, int weight, FontSlant slant) {
    static const char* const weights[] = {"Thin",     "ExtraLight", "Light",     "",     "Medium",
                                          "SemiBold", "Bold",       "ExtraBold", "Black"};
    std::string words = weights[std::clamp(weight / 100, 1, 9) - 1];
    if (slant == FontSlant::Italic) words += "Italic";
    if (slant == FontSlant::Oblique) words += "Oblique";
    // A family whose name ends in style words of its own ("ComicSansMS-Bold") says
    // "Regular" after them, so that its name is not read back as that style.
    FontDescription probe;
    const std::size_t cut = family.rfind('-');
    if (words.empty() && cut != std::string::npos && cut > 0 &&
        ReadStyleWord(std::string_view(family).substr(cut + 1), &probe))
        words = "Regular";
    return words.empty() ? family : family + "-" + words;
}

}  // namespace

std::string FullFontName(const std::vector<std::string>& families, int weight, FontSlant slant) {
    static std::mutex mutex;
    static std::map<std::string, std::string> known;
    if (families.empty()) return {};
    std::string key = std::to_string(weight) + " " + std::to_string(static_cast<int>(slant));
    for (const std::string& family : families) key += "," + family;
    std::lock_guard<std::mutex> lock(mutex);
    auto cached = known.find(key);
    if (cached != known.end()) return cached->second;
    std::string name;
    for (const std::string& family : families)
        if (SystemFamilyInstalled(family)) {
            name = MatchedFullName(family, weight, slant);
            if (!name.empty()) break;
        }
    if (name.empty()) name = NameWithStyleWords(families.front(), weight, slant);
    return known[key] = name;
}

FontDescription DescribeFont(const std::string& fullName) {
    // Asked once per text as a drawing is written, of a handful of fonts: the system's
    // answers are kept, as the fonts installed do not change while the program runs.
    static std::mutex mutex;
    static std::map<std::string, FontDescription> known;
    std::lock_guard<std::mutex> lock(mutex);
    auto cached = known.find(fullName);
    if (cached != known.end()) return cached->second;
    FontDescription font;
    if (fullName.empty() || !DescribeInstalledFont(fullName, &font))
        font = DescribeMissingFont(fullName);
    return known[fullName] = font;
}

std::string CssFontFamily(const FontDescription& font) {
    if (font.family.empty()) return font.generic;
    const char quote = font.family.find('\'') == std::string::npos ? '\'' : '"';
    const std::string quoted = quote + font.family + quote;
    return font.installed ? quoted : quoted + ", " + font.generic;
}

std::string CssFontWeight(int weight) {
    if (weight == kRegularWeight) return "normal";
    return weight == kBoldWeight ? "bold" : std::to_string(weight);
}

const char* CssFontStyle(FontSlant slant) {
    switch (slant) {
        case FontSlant::Italic:
            return "italic";
        case FontSlant::Oblique:
            return "oblique";
        case FontSlant::Upright:
            break;
    }
    return "normal";
}

}  // namespace host
