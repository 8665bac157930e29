#include "host/suites/colors.h"

#include "host/suites/suite_support.h"
#include "host/suites/text_engine_objects.h"

namespace host {

ObjectId CustomColorId(Host& host, const std::string& name) {
    for (const auto& record : host.customColors())
        if (record.name == name) return record.id;
    CustomColorRecord record;
    record.id = NextObjectId();
    record.name = name;
    record.color.kind = kCustomFourColor;
    record.color.c[3] = 1;
    host.customColors().push_back(record);
    return record.id;
}

AIErr ColorFromSdk(Host& host, const AIColor& in, Color* out) {
    Color c;
    int components = 0;
    switch (in.kind) {
        case kNoneColor:
            c.kind = Color::Kind::None;
            break;
        case kGrayColor:
            c.kind = Color::Kind::Gray;
            c.v[0] = in.c.g.gray;
            components = 1;
            break;
        case kThreeColor:
            c.kind = Color::Kind::RGB;
            c.v[0] = in.c.rgb.red, c.v[1] = in.c.rgb.green, c.v[2] = in.c.rgb.blue;
            components = 3;
            break;
        case kFourColor:
            c.kind = Color::Kind::CMYK;
            c.v[0] = in.c.f.cyan, c.v[1] = in.c.f.magenta, c.v[2] = in.c.f.yellow;
            c.v[3] = in.c.f.black;
            components = 4;
            break;
        case kCustomColor: {
            const CustomColorRecord* found = nullptr;
            for (const auto& record : host.customColors())
                if (record.id == IdOf(in.c.c.color)) found = &record;
            if (!in.c.c.color) return kBadParameterErr;
            if (!found) return kStaleHandleErr;
            if (!Finite(in.c.c.tint)) return kBadParameterErr;
            c.kind = Color::Kind::Custom;
            c.customName = found->name;
            c.tint = in.c.c.tint;
            break;
        }
        default:
            return kBadParameterErr;
    }
    for (int i = 0; i < components; ++i)
        if (!Finite(c.v[i])) return kBadParameterErr;
    *out = c;
    return kNoErr;
}

AIColor ColorToSdk(Host& host, const Color& in) {
    AIColor c{};
    switch (in.kind) {
        case Color::Kind::None:
            c.kind = kNoneColor;
            break;
        case Color::Kind::Gray:
            c.kind = kGrayColor;
            c.c.g.gray = in.v[0];
            break;
        case Color::Kind::RGB:
            c.kind = kThreeColor;
            c.c.rgb = {in.v[0], in.v[1], in.v[2]};
            break;
        case Color::Kind::CMYK:
            c.kind = kFourColor;
            c.c.f = {in.v[0], in.v[1], in.v[2], in.v[3]};
            break;
        case Color::Kind::Custom:
            c.kind = kCustomColor;
            c.c.c.color = ToHandle<AICustomColorHandle>(CustomColorId(host, in.customName));
            c.c.c.tint = in.tint;
            break;
    }
    return c;
}

}  // namespace host
