#include "host/svg/svg_path_data.h"

#include <cmath>

#include "host/svg/svg_numbers.h"

namespace host::svg {

namespace {

constexpr std::size_t kContextLength = 12;  // characters quoted in an error

class PathDataReader {
 public:
    explicit PathDataReader(std::string_view d) : d_(d), scanner_(d) {}

    bool Read(Outline* outline, std::string* error, bool keepSingleNodes);

 private:
    bool ReadCommand(char command);
    bool ReadCurve(char upper, bool relative, Point* control);
    bool ReadArc(bool relative);
    Point Reflected(const char* family) const;
    bool Numbers(double* values, int count);
    Point Target(double x, double y, bool relative) const;
    bool Fail(const std::string& what);

    std::string_view d_;
    NumberScanner scanner_;
    OutlineBuilder builder_;
    std::string error_;
    // The control point that S/s and T/t reflect, and the command that set it.
    Point lastControl_;
    char lastCommand_ = 0;
};

bool PathDataReader::Fail(const std::string& what) {
    std::size_t at = scanner_.position();
    std::string context(d_.substr(at, kContextLength));
    error_ = what + " at character " + std::to_string(at + 1) +
             (context.empty() ? std::string(" (end of data)") : " ('" + context + "')");
    return false;
}

bool PathDataReader::Numbers(double* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (!scanner_.ReadNumber(&values[i])) return Fail("number expected");
        if (!(std::fabs(values[i]) <= kLargestCoordinate)) return Fail("number out of range");
    }
    return true;
}

Point PathDataReader::Target(double x, double y, bool relative) const {
    Point c = builder_.current();
    return relative ? Point{c.x + x, c.y + y} : Point{x, y};
}

// The first control point of a smooth curve: the previous one reflected about the
// current point when the previous command was of the same family, else the current point.
Point PathDataReader::Reflected(const char* family) const {
    const Point from = builder_.current();
    bool reflect = lastCommand_ == family[0] || lastCommand_ == family[1];
    return reflect ? Point{2 * from.x - lastControl_.x, 2 * from.y - lastControl_.y} : from;
}

bool PathDataReader::ReadCurve(char upper, bool relative, Point* control) {
    double v[6];
    if (upper == 'C' || upper == 'S') {
        bool smooth = upper == 'S';
        if (!Numbers(v, smooth ? 4 : 6)) return false;
        Point c1 = smooth ? Reflected("CS") : Target(v[0], v[1], relative);
        const double* rest = smooth ? v : v + 2;
        *control = Target(rest[0], rest[1], relative);
        builder_.CubicTo(c1, *control, Target(rest[2], rest[3], relative));
        return true;
    }
    bool smooth = upper == 'T';
    if (!Numbers(v, smooth ? 2 : 4)) return false;
    *control = smooth ? Reflected("QT") : Target(v[0], v[1], relative);
    builder_.QuadTo(*control, Target(v[smooth ? 0 : 2], v[smooth ? 1 : 3], relative));
    return true;
}

bool PathDataReader::ReadArc(bool relative) {
    double v[5];
    if (!Numbers(v, 3)) return false;
    auto largeArc = scanner_.ReadFlag();
    if (!largeArc) return Fail("arc flag expected");
    auto sweep = scanner_.ReadFlag();
    if (!sweep) return Fail("arc flag expected");
    if (!Numbers(v + 3, 2)) return false;
    builder_.ArcTo(v[0], v[1], v[2], *largeArc, *sweep, Target(v[3], v[4], relative));
    return true;
}

bool PathDataReader::ReadCommand(char command) {
    const bool relative = command >= 'a';
    const char upper = relative ? static_cast<char>(command - 'a' + 'A') : command;
    const Point from = builder_.current();
    double v[2];
    Point control = from;  // what the next S/T reflects when this command is not C/S/Q/T
    bool ok = true;
    switch (upper) {
        case 'M':
        case 'L':
            ok = Numbers(v, 2);
            if (ok && upper == 'M') builder_.MoveTo(Target(v[0], v[1], relative));
            if (ok && upper == 'L') builder_.LineTo(Target(v[0], v[1], relative));
            break;
        case 'H':
        case 'V':
            ok = Numbers(v, 1);
            if (ok && upper == 'H') builder_.LineTo({relative ? from.x + v[0] : v[0], from.y});
            if (ok && upper == 'V') builder_.LineTo({from.x, relative ? from.y + v[0] : v[0]});
            break;
        case 'C':
        case 'S':
        case 'Q':
        case 'T':
            ok = ReadCurve(upper, relative, &control);
            break;
        case 'A':
            ok = ReadArc(relative);
            break;
        case 'Z':
            builder_.Close();
            break;
        default:
            return Fail(std::string("unknown command '") + command + "'");
    }
    lastControl_ = control;
    lastCommand_ = upper;
    return ok;
}

bool PathDataReader::Read(Outline* outline, std::string* error, bool keepSingleNodes) {
    scanner_.SkipSpaces();
    char command = 0;
    while (!scanner_.AtEnd()) {
        char c = scanner_.Peek();
        bool ok = true;
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            scanner_.Advance();
            scanner_.SkipSpaces();
            command = c;
        } else if (command == 0 || command == 'z' || command == 'Z' || !scanner_.AtNumber()) {
            // A number may repeat the previous command; nothing else may stand here.
            ok = Fail(command == 0 ? "path data must start with a moveto" : "unexpected character");
        }
        if (ok && command != 'M' && command != 'm' && lastCommand_ == 0)
            ok = Fail("path data must start with a moveto");
        ok = ok && ReadCommand(command);
        if (ok && builder_.full())
            ok = Fail("more than " + std::to_string(kMostAnchors) + " anchors");
        if (!ok) {
            *error = error_;
            return false;
        }
        // Pairs after a moveto are linetos of the same kind.
        if (command == 'M') command = 'L';
        if (command == 'm') command = 'l';
    }
    *outline = builder_.Finish(keepSingleNodes);
    return true;
}

}  // namespace

bool ParsePathData(std::string_view d, Outline* outline, std::string* error, bool keepSingleNodes) {
    PathDataReader reader(d);
    return reader.Read(outline, error, keepSingleNodes);
}

}  // namespace host::svg
