// quill render FILE.svg -o FILE.png [--width PX] [--fit]: a picture of a drawing.
#include <cstdio>
#include <string>

#include "app/quill/command.h"
#include "host/svg/render.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kRenderFailure = 1;

struct RenderArguments {
    std::string svg, png;
    host::RenderOptions options;
};

// A whole positive number and nothing else.
bool ParseWidth(const std::string& text, int* width) {
    if (text.empty() || text.size() > 9) return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    *width = value;
    return value > 0;
}

bool ParseArguments(int argc, char** argv, RenderArguments* args) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "-o" && i + 1 < argc) {
            args->png = argv[++i];
        } else if (a == "--fit") {
            args->options.framing = host::RenderOptions::Framing::Everything;
        } else if (a == "--width" && i + 1 < argc) {
            if (!ParseWidth(argv[++i], &args->options.widthPx)) return false;
        } else if (a.rfind("-", 0) == 0 || !args->svg.empty()) {
            return false;
        } else {
            args->svg = a;
        }
    }
    return !args->svg.empty() && !args->png.empty();
}

int Render(int argc, char** argv) {
    RenderArguments args;
    if (!ParseArguments(argc, argv, &args)) {
        std::fputs("usage: quill render FILE.svg -o FILE.png [--width PX] [--fit]\n", stderr);
        return kUsageError;
    }
    std::string error;
    if (!host::RenderSvgToPng(args.svg, args.png, args.options, &error)) {
        std::fprintf(stderr, "quill render: %s\n", error.c_str());
        return kRenderFailure;
    }
    return 0;
}

quill::CommandRegistration registration(quill::Command{
    "render", "render FILE.svg -o FILE.png [--width PX] [--fit]", Render});

}  // namespace
