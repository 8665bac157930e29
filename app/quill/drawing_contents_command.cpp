// quill inspect FILE.svg: what a drawing holds, to find where to click — the page, every
// layer and art with its name, and the anchor points of each path, in document points
// (y upwards, what session scripts use) and in the file's own coordinates.
#include <cstdio>
#include <string>

#include "app/quill/command.h"
#include "host/document/document.h"
#include "host/svg/svg.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kReadFailure = 1;

const char* KindName(const host::Art& art) {
    switch (art.kind()) {
        case host::ArtKind::Group:
            return "group";
        case host::ArtKind::Path:
            return art.closed ? "closed path" : "path";
        case host::ArtKind::Text:
            return "text";
        case host::ArtKind::CompoundPath:
            return art.style().evenOdd ? "compound path (evenodd)" : "compound path (nonzero)";
    }
    return "";
}

void PrintPoint(const host::Document& document, AIRealPoint p) {
    double x = 0, y = 0;
    document.fileSpace().FromPoints(p, &x, &y);
    std::printf("%g,%g  (file %g,%g)", p.h, p.v, x, y);
}

void PrintArt(const host::Document& document, const host::Art& art, int depth) {
    const std::string indent(2 * static_cast<std::size_t>(depth), ' ');
    std::printf("%s%s", indent.c_str(), KindName(art));
    if (!art.name.empty()) std::printf(" \"%s\"", art.name.str().c_str());
    if (art.kind() == host::ArtKind::Text) std::printf(": \"%s\"", art.text().contents.c_str());
    std::printf("\n");
    if (art.kind() == host::ArtKind::Path)
        for (std::size_t i = 0; i < art.segments.size(); ++i) {
            std::printf("%s  anchor %zu: ", indent.c_str(), i);
            PrintPoint(document, art.segments[i].p);
            std::printf("\n");
        }
    for (const auto& child : art.children()) PrintArt(document, *child, depth + 1);
}

int Inspect(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: quill inspect FILE.svg\n", stderr);
        return kUsageError;
    }
    std::string error, warnings;
    auto document = host::LoadSvgDocument(argv[1], &error, &warnings);
    if (!warnings.empty()) std::fprintf(stderr, "%s\n", warnings.c_str());
    if (!document) {
        std::fprintf(stderr, "quill inspect: %s\n", error.c_str());
        return kReadFailure;
    }
    const host::FileSpace& space = document->fileSpace();
    std::printf("page: %g x %g pt\n", document->width(), document->height());
    std::printf("file coordinates to points: x' = %g x + %g y + %g, y' = %g x + %g y + %g\n",
                space.a, space.c, space.e, space.b, space.d, space.f);
    for (const auto& layer : document->layers()) {
        std::printf("layer \"%s\"%s%s\n", layer->title.c_str(), layer->locked ? " locked" : "",
                    layer->visible ? "" : " hidden");
        for (const auto& art : layer->group()->children()) PrintArt(*document, *art, 1);
    }
    return 0;
}

quill::CommandRegistration registration(quill::Command{"inspect", "inspect FILE.svg", Inspect});

}  // namespace
