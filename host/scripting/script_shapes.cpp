// Shapes of session scripts: SVG-style path data and the host's circle.
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "host/scripting/script_parser.h"
#include "host/scripting/script_words.h"

namespace host {

namespace {

/// The usual handle length of a four-arc circle, as a fraction of the radius.
constexpr double kCircleHandle = 0.5522847771644592;
/// Handles this close to the line through their anchor make a smooth anchor.
constexpr double kSmoothTolerance = 1e-4;

AIRealPoint Point(double x, double y) {
    return {static_cast<float>(x), static_cast<float>(y)};
}

bool Same(const AIRealPoint& a, const AIRealPoint& b) {
    return a.h == b.h && a.v == b.v;
}

/// A corner unless both handles are out and on one line through the anchor.
bool IsCorner(const AIPathSegment& s) {
    if (Same(s.in, s.p) || Same(s.out, s.p)) return true;
    double ax = s.p.h - s.in.h, ay = s.p.v - s.in.v, bx = s.out.h - s.p.h, by = s.out.v - s.p.v;
    double cross = ax * by - ay * bx, dot = ax * bx + ay * by;
    double scale = std::hypot(ax, ay) * std::hypot(bx, by);
    return dot <= 0 || std::fabs(cross) > kSmoothTolerance * scale;
}

/// Splits path data into command letters and numbers.
bool Tokenize(const std::string& data, std::vector<std::string>* tokens, std::string* error) {
    std::size_t i = 0;
    while (i < data.size()) {
        char c = data[i];
        if (std::isspace(static_cast<unsigned char>(c)) || c == ',') {
            ++i;
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            tokens->push_back(std::string(1, c));
            ++i;
        } else {
            std::size_t start = i++;
            while (i < data.size() && !std::isspace(static_cast<unsigned char>(data[i])) &&
                   data[i] != ',' && !std::isalpha(static_cast<unsigned char>(data[i])))
                ++i;
            // An exponent ("1e-3") keeps its letter.
            while (i < data.size() && (data[i] == 'e' || data[i] == 'E')) {
                ++i;
                while (i < data.size() && (std::isdigit(static_cast<unsigned char>(data[i])) ||
                                           data[i] == '-' || data[i] == '+' || data[i] == '.'))
                    ++i;
            }
            if (!ParseNumber(data.substr(start, i - start))) {
                *error = "path data: \"" + data.substr(start, i - start) + "\" is not a number";
                return false;
            }
            if (!ParseCoordinate(data.substr(start, i - start))) {
                *error = "path data: \"" + data.substr(start, i - start) + "\" is beyond 1e15";
                return false;
            }
            tokens->push_back(data.substr(start, i - start));
        }
    }
    return true;
}

}  // namespace

namespace {

/// Reads path data command by command into segments.
class PathDataReader {
 public:
    PathDataReader(std::vector<std::string> tokens, std::vector<AIPathSegment>* segments,
                   bool* closed, std::string* error)
        : tokens_(std::move(tokens)), segments_(*segments), closed_(*closed), error_(*error) {}

    bool Read() {
        while (i_ < tokens_.size()) {
            if (IsLetter(tokens_[i_]))
                command_ = tokens_[i_++][0];
            else if (command_ == 'M')
                command_ = 'L';  // numbers after a moveto are linetos
            if (closed_) return Fail("nothing may follow Z (one path per line)");
            if (!Step()) return false;
        }
        if (segments_.empty()) return Fail("it is empty");
        for (auto& s : segments_) s.corner = IsCorner(s);
        return true;
    }

 private:
    static bool IsLetter(const std::string& token) {
        return std::isalpha(static_cast<unsigned char>(token[0])) != 0;
    }

    bool Fail(const std::string& what) {
        error_ = "path data: " + what;
        return false;
    }

    bool Numbers(int n, std::vector<double>* out) {
        for (int k = 0; k < n; ++k) {
            if (i_ >= tokens_.size() || IsLetter(tokens_[i_]))
                return Fail(std::string(1, command_) + " needs " + std::to_string(n) + " numbers");
            out->push_back(*ParseNumber(tokens_[i_++]));
        }
        return true;
    }

    bool Step() {
        std::vector<double> v;
        switch (command_) {
            case 'M':
                if (!segments_.empty()) return Fail("a second M (one path per line)");
                if (!Numbers(2, &v)) return false;
                segments_.push_back({Point(v[0], v[1]), Point(v[0], v[1]), Point(v[0], v[1]), 1});
                return true;
            case 'L':
            case 'C': {
                if (segments_.empty()) return Fail("it must start with M");
                if (!Numbers(command_ == 'L' ? 2 : 6, &v)) return false;
                AIRealPoint end = command_ == 'L' ? Point(v[0], v[1]) : Point(v[4], v[5]);
                if (command_ == 'C') segments_.back().out = Point(v[0], v[1]);
                AIRealPoint in = command_ == 'C' ? Point(v[2], v[3]) : end;
                segments_.push_back({end, in, end, 1});
                return true;
            }
            case 'Z':
            case 'z':
                if (segments_.empty()) return Fail("Z before M");
                closed_ = true;
                // A last anchor on the first one is the same anchor, reached by the
                // closing segment.
                if (segments_.size() > 1 && Same(segments_.back().p, segments_.front().p)) {
                    segments_.front().in = segments_.back().in;
                    segments_.pop_back();
                }
                return true;
            default:
                return Fail(std::string("command '") + command_ +
                            "' is not one of M L C Z (absolute)");
        }
    }

    std::vector<std::string> tokens_;
    std::vector<AIPathSegment>& segments_;
    bool& closed_;
    std::string& error_;
    std::size_t i_ = 0;
    char command_ = 0;
};

}  // namespace

bool ParsePathData(const std::string& data, std::vector<AIPathSegment>* segments, bool* closed,
                   std::string* error) {
    std::vector<std::string> tokens;
    if (!Tokenize(data, &tokens, error)) return false;
    segments->clear();
    *closed = false;
    return PathDataReader(std::move(tokens), segments, closed, error).Read();
}

std::vector<AIPathSegment> CircleSegments(double cx, double cy, double r) {
    double k = kCircleHandle * r;
    auto seg = [](double x, double y, double ix, double iy, double ox, double oy) {
        return AIPathSegment{Point(x, y), Point(ix, iy), Point(ox, oy), 0};
    };
    return {seg(cx + r, cy, cx + r, cy - k, cx + r, cy + k),
            seg(cx, cy + r, cx + k, cy + r, cx - k, cy + r),
            seg(cx - r, cy, cx - r, cy + k, cx - r, cy - k),
            seg(cx, cy - r, cx - k, cy - r, cx + k, cy - r)};
}

}  // namespace host
