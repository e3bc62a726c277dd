// orvntool: the command-line tool for authors and scripts.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::puts("Usage: orvntool COMMAND ...");
        return argc < 2 ? 2 : 0;
    }
    std::fprintf(stderr, "orvntool: unknown command '%s'\n", argv[1]);
    return 2;
}
