// quill: the stand-in host's command line.
#include <cstdio>
#include <cstring>

#include "app/quill/command.h"

namespace quill {
std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}
}  // namespace quill

namespace {
void Usage(std::FILE* out) {
    std::fputs("usage:\n", out);
    for (const auto& command : quill::Commands()) std::fprintf(out, "  quill %s\n", command.usage);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage(stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        Usage(stdout);
        return 0;
    }
    for (const auto& command : quill::Commands())
        if (std::strcmp(argv[1], command.name) == 0) return command.run(argc - 1, argv + 1);
    std::fprintf(stderr, "quill: unknown command '%s'\n", argv[1]);
    Usage(stderr);
    return 2;
}
