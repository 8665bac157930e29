#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>

#include "host/fonts/system_fonts.h"

namespace host {

namespace {

// One face of the list that stands for the system's fonts: "quill.fonts" beside the
// program, written at build time from the build machine's fontconfig (fc-list), so that
// the Windows host offers and measures the same faces, from the same files.
struct ListedFace {
    std::vector<std::string> fullNames, families;
    std::string style, file;
    double weight = 80, slant = 0, width = 100;  // fontconfig's scales
    int index = 0;
};

// fc-list writes several values of one property separated by commas, a comma of a value
// escaped with a backslash.
std::vector<std::string> Values(const std::string& field) {
    std::vector<std::string> values(1);
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size())
            values.back() += field[++i];
        else if (field[i] == ',')
            values.emplace_back();
        else
            values.back() += field[i];
    }
    if (values.back().empty()) values.pop_back();
    return values;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else if (c != '\r')
            fields.back() += c;
    }
    return fields;
}

std::string ListPath() {
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string path(program, length > 0 && length < MAX_PATH ? length : 0);
    const auto slash = path.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "quill.fonts";
}

const std::vector<ListedFace>& Faces() {
    static const std::vector<ListedFace> faces = [] {
        std::vector<ListedFace> read;
        std::ifstream in(ListPath(), std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            const std::vector<std::string> f = Fields(line);
            if (f.size() != 8) continue;
            ListedFace face;
            face.fullNames = Values(f[0]);
            face.families = Values(f[1]);
            face.style = f[2];
            face.weight = std::atof(f[3].c_str());
            face.slant = std::atof(f[4].c_str());
            face.width = std::atof(f[5].c_str());
            face.index = std::atoi(f[6].c_str());
            face.file = f[7];
            read.push_back(std::move(face));
        }
        return read;
    }();
    return faces;
}

bool HasIgnoringCase(const std::vector<std::string>& values, const std::string& value) {
    return std::any_of(values.begin(), values.end(), [&](const std::string& v) {
        return v.size() == value.size() && _stricmp(v.c_str(), value.c_str()) == 0;
    });
}

// fontconfig's weights against OpenType's, between which it interpolates.
constexpr double kWeightScale[][2] = {{0, 100},   {40, 200},  {50, 300},  {55, 350},
                                      {75, 380},  {80, 400},  {100, 500}, {180, 600},
                                      {200, 700}, {205, 800}, {210, 900}, {215, 1000}};

double Interpolate(double value, int from, int to) {
    const std::size_t n = std::size(kWeightScale);
    if (value <= kWeightScale[0][from]) return kWeightScale[0][to];
    for (std::size_t i = 1; i < n; ++i)
        if (value <= kWeightScale[i][from]) {
            const double* a = kWeightScale[i - 1];
            const double* b = kWeightScale[i];
            return a[to] + (value - a[from]) * (b[to] - a[to]) / (b[from] - a[from]);
        }
    return kWeightScale[n - 1][to];
}

double SlantValue(FontSlant slant) {
    return slant == FontSlant::Italic ? 100 : slant == FontSlant::Oblique ? 110 : 0;
}

}  // namespace

std::vector<std::string> SystemFontNames() {
    std::set<std::string> names;
    for (const ListedFace& face : Faces())
        if (!face.fullNames.empty()) names.insert(face.fullNames.front());
    return {names.begin(), names.end()};
}

bool FindSystemFontFile(FontKey key, const std::string& name, std::string* file, int* index) {
    const ListedFace* pick = nullptr;
    for (const ListedFace& face : Faces()) {
        if (!HasIgnoringCase(key == FontKey::FullName ? face.fullNames : face.families, name))
            continue;
        // The regular style first, so that a family stands for its plain face.
        if (!pick || face.style == "Book" || face.style == "Regular") pick = &face;
    }
    if (!pick || pick->file.empty()) return false;
    *file = pick->file;
    *index = pick->index;
    return true;
}

bool FindSystemFace(const std::string& fullName, SystemFace* found) {
    for (const ListedFace& face : Faces()) {
        if (!HasIgnoringCase(face.fullNames, fullName)) continue;
        const int hundreds = static_cast<int>(std::lround(Interpolate(face.weight, 0, 1) / 100));
        found->weight = std::clamp(hundreds, 1, 9) * 100;
        found->slant = face.slant >= 110   ? FontSlant::Oblique
                       : face.slant >= 100 ? FontSlant::Italic
                                           : FontSlant::Upright;
        found->families = face.families;
        return true;
    }
    return false;
}

bool SystemFamilyInstalled(const std::string& family) {
    return std::any_of(Faces().begin(), Faces().end(), [&](const ListedFace& face) {
        return HasIgnoringCase(face.families, family);
    });
}

// As fontconfig ranks the faces of one family: slant first, then weight, then width (a
// plain width before a condensed one), then the list's order.
std::vector<std::string> MatchSystemFont(const std::string& family, int weight, FontSlant slant) {
    const double wantedWeight = Interpolate(weight, 1, 0);
    const ListedFace* best = nullptr;
    double bestScore[3] = {};
    for (const ListedFace& face : Faces()) {
        if (!HasIgnoringCase(face.families, family)) continue;
        const double score[3] = {std::fabs(face.slant - SlantValue(slant)),
                                 std::fabs(face.weight - wantedWeight),
                                 std::fabs(face.width - 100)};
        if (!best || std::lexicographical_compare(score, score + 3, bestScore, bestScore + 3)) {
            best = &face;
            std::copy(score, score + 3, bestScore);
        }
    }
    return best ? best->fullNames : std::vector<std::string>();
}

}  // namespace host
