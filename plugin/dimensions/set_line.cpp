#include "plugin/dimensions/set_line.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "plugin/geometry/vectors.h"

namespace quill {

namespace {

struct KindLetter {
    SetLineKind kind;
    char letter;
};

constexpr KindLetter kLetters[] = {
    {SetLineKind::Oblique, 'o'},   {SetLineKind::Horizontal, 'h'}, {SetLineKind::Vertical, 'v'},
    {SetLineKind::OrdinateX, 'x'}, {SetLineKind::OrdinateY, 'y'},
};

// The foot of `pointer` on the points' line and its signed distance, positive on the left
// of the direction from `first` to `second`.
float SignedOffset(Point first, Point second, Point pointer) {
    const Point foot = ProjectOnLine(pointer, first, second);
    const float distance = ChordLength(foot, pointer);
    return Cross(first, second, foot, pointer) >= 0 ? distance : -distance;
}

}  // namespace

std::string SetLineText(const SetLine& line) {
    char letter = 'h';
    for (const KindLetter& k : kLetters)
        if (k.kind == line.kind) letter = k.letter;
    char text[48];
    std::snprintf(text, sizeof text, "%c %.9g", letter, static_cast<double>(line.place));
    return text;
}

std::optional<SetLine> ParseSetLine(const char* text) {
    if (!text || !text[0] || text[1] != ' ') return std::nullopt;
    for (const KindLetter& k : kLetters) {
        if (k.letter != text[0]) continue;
        char* end = nullptr;
        const double place = std::strtod(text + 2, &end);
        if (end == text + 2 || *end != '\0' || !std::isfinite(place)) return std::nullopt;
        return SetLine{k.kind, static_cast<float>(place)};
    }
    return std::nullopt;
}

bool IsOrdinate(SetLineKind kind) {
    return kind == SetLineKind::OrdinateX || kind == SetLineKind::OrdinateY;
}

float PlaceThrough(SetLineKind kind, Point first, Point second, Point pointer) {
    switch (kind) {
        case SetLineKind::Oblique:
            return SignedOffset(first, second, pointer);
        case SetLineKind::Horizontal:
        case SetLineKind::OrdinateX:
            return pointer.v;
        case SetLineKind::Vertical:
        case SetLineKind::OrdinateY:
            break;
    }
    return pointer.h;
}

Point PointOnLine(const SetLine& line, Point first, Point second) {
    const Point middle{(first.h + second.h) / 2, (first.v + second.v) / 2};
    switch (line.kind) {
        case SetLineKind::Oblique:
            return PointAt(middle, line.place, DirectionAngle(first, second) + kHalfPi);
        case SetLineKind::Horizontal:
        case SetLineKind::OrdinateX:
            return {middle.h, line.place};
        case SetLineKind::Vertical:
        case SetLineKind::OrdinateY:
            break;
    }
    return {line.place, middle.v};
}

}  // namespace quill
