// quill: the stand-in host's command line.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::puts("usage: quill run SCRIPT [--dump FILE.json]");
        return argc < 2 ? 2 : 0;
    }
    std::fprintf(stderr, "quill: unknown command '%s'\n", argv[1]);
    return 2;
}
