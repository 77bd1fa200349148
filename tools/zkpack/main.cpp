// zkpack [--password P] OUT.zip FOLDER: packs a folder into a ZIP archive for the
// game folder (sorted entries, fixed time stamps, AES-256 when a password is given).
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "tools/zkpack/pack_folder.h"

int main(int argc, char** argv) {
    std::string password;
    int i = 1;
    if (i + 1 < argc && std::string_view(argv[i]) == "--password") {
        password = argv[i + 1];
        i += 2;
    }
    if (argc - i != 2) {
        std::fprintf(stderr, "usage: zkpack [--password P] OUT.zip FOLDER\n");
        return 2;
    }
    try {
        zelkor::zkpack::PackFolder(argv[i + 1], argv[i], password);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
