// The syntax that the independent reading of SVG geometry in the tests needs: numbers,
// lengths with units, transform lists applied to a cairo context. See
// svg_reference_outline.h.
#pragma once

#include <cairo.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace svgref {

namespace detail {

constexpr double kPi = 3.14159265358979323846;

inline bool IsNumberStart(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.';
}

// Numbers of path data, point lists and transforms: separators are spaces and commas.
class Tokens {
 public:
    explicit Tokens(const char* text) : s_(text ? text : "") {}
    void Skip() {
        while (*s_ && (std::isspace(static_cast<unsigned char>(*s_)) || *s_ == ',')) ++s_;
    }
    bool AtEnd() {
        Skip();
        return *s_ == '\0';
    }
    char Peek() {
        Skip();
        return *s_;
    }
    char Take() { return *s_ ? *s_++ : '\0'; }
    bool Number(double* value) {
        Skip();
        if (!IsNumberStart(*s_)) return false;
        // strtod alone would read "1e" of "1em" or hexadecimal; SVG's grammar is simpler.
        const char* p = s_;
        int digits = 0;
        if (*p == '-' || *p == '+') ++p;
        while (std::isdigit(static_cast<unsigned char>(*p))) ++p, ++digits;
        if (*p == '.') {
            ++p;
            while (std::isdigit(static_cast<unsigned char>(*p))) ++p, ++digits;
        }
        if (digits == 0) return false;
        if ((*p == 'e' || *p == 'E') &&
            (std::isdigit(static_cast<unsigned char>(p[1])) ||
             ((p[1] == '-' || p[1] == '+') && std::isdigit(static_cast<unsigned char>(p[2]))))) {
            p += 2;
            while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
        }
        *value = std::strtod(std::string(s_, p).c_str(), nullptr);
        s_ = p;
        return true;
    }
    bool Flag(bool* flag) {
        Skip();
        if (*s_ != '0' && *s_ != '1') return false;
        *flag = *s_++ == '1';
        return true;
    }
    const char* rest() const { return s_; }

 private:
    const char* s_;
};

// A length in CSS pixels; `percentOf` is what 100% means, `fontSize` what 1em means (an
// ex is taken as half of it).
inline double Length(const char* text, double percentOf, double fontSize = 16,
                     double fallback = 0) {
    if (!text || !*text) return fallback;
    char* end = nullptr;
    double v = std::strtod(text, &end);
    std::string unit(end);
    while (!unit.empty() && std::isspace(static_cast<unsigned char>(unit.back()))) unit.pop_back();
    if (unit.empty() || unit == "px") return v;
    if (unit == "pt") return v * 96 / 72;
    if (unit == "pc") return v * 16;
    if (unit == "in") return v * 96;
    if (unit == "cm") return v * 96 / 2.54;
    if (unit == "mm") return v * 96 / 25.4;
    if (unit == "%") return v * percentOf / 100;
    if (unit == "em") return v * fontSize;
    if (unit == "ex") return v * fontSize / 2;
    return fallback;
}

// What relative lengths refer to, in user units.
struct Viewport {
    double width = 0, height = 0;
    double fontSize = 16;
};

inline void ApplyTransformList(cairo_t* cr, const char* text) {
    Tokens t(text);
    while (!t.AtEnd()) {
        std::string name;
        while (std::isalpha(static_cast<unsigned char>(t.Peek()))) name += t.Take();
        if (t.Peek() != '(') return;
        t.Take();
        std::vector<double> v;
        double x;
        while (t.Number(&x)) v.push_back(x);
        if (t.Peek() == ')') t.Take();
        cairo_matrix_t m;
        if (name == "matrix" && v.size() == 6) {
            cairo_matrix_init(&m, v[0], v[1], v[2], v[3], v[4], v[5]);
        } else if (name == "translate" && !v.empty()) {
            cairo_matrix_init_translate(&m, v[0], v.size() > 1 ? v[1] : 0);
        } else if (name == "scale" && !v.empty()) {
            cairo_matrix_init_scale(&m, v[0], v.size() > 1 ? v[1] : v[0]);
        } else if (name == "rotate" && !v.empty()) {
            double cx = v.size() == 3 ? v[1] : 0, cy = v.size() == 3 ? v[2] : 0;
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, v[0] * kPi / 180);
            cairo_translate(cr, -cx, -cy);
            continue;
        } else if ((name == "skewX" || name == "skewY") && !v.empty()) {
            double k = std::tan(v[0] * kPi / 180);
            cairo_matrix_init(&m, 1, name == "skewY" ? k : 0, name == "skewX" ? k : 0, 1, 0, 0);
        } else {
            continue;
        }
        cairo_transform(cr, &m);
    }
}

}  // namespace detail

}  // namespace svgref
