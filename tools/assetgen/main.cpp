// assetgen: draws and synthesises every picture, font, sound and music file of the
// game, writes them below an output folder and packs the game's archives.
//
//   assetgen --out DIR [--dist DIR]   generate into DIR; pack and stage into the game folder
//            [--dist-list FILE]         and name the staged files in FILE, one a line
//            [--out-list FILE]          and name the files written into DIR in FILE
//   assetgen --contact-sheet FILE.png one labelled overview picture of every picture
//            [--only PREFIX,...] [--zoom N]  review aids: some pictures only, other scale
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "tools/assetgen/contact_sheet.h"
#include "tools/assetgen/generate.h"
#include "tools/assetgen/png.h"
#include "tools/assetgen/stage.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: assetgen --out DIR [--out-list FILE] [--dist DIR [--dist-list FILE]]\n"
                 "       assetgen --contact-sheet FILE.png [--only PREFIX,...] [--zoom N]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zelkor::assetgen;
    std::filesystem::path out, outList, dist, distList, sheet;
    int zoom = 2;
    std::string only;  // review aid: only pictures whose path starts with this
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 >= argc) return Usage();
        if (arg == "--out") {
            out = argv[++i];
        } else if (arg == "--out-list") {
            outList = argv[++i];
        } else if (arg == "--dist") {
            dist = argv[++i];
        } else if (arg == "--dist-list") {
            distList = argv[++i];
        } else if (arg == "--zoom") {
            zoom = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--only") {
            only = argv[++i];
        } else if (arg == "--contact-sheet") {
            sheet = argv[++i];
        } else {
            return Usage();
        }
    }
    if (out.empty() && sheet.empty()) return Usage();
    try {
        AssetSet set = GenerateAll();
        if (!only.empty()) set.KeepOnly(only);
        if (!out.empty()) WriteTree(set, out);
        if (!outList.empty()) {
            std::string names;
            for (const FileEntry& f : set.Files())
                names += f.path + "\n";
            WriteIfChanged(outList, {names.begin(), names.end()});
        }
        if (!dist.empty()) {
            std::string names;
            for (const std::string& name : StageGameFolder(set, dist))
                names += name + "\n";
            if (!distList.empty()) WriteIfChanged(distList, {names.begin(), names.end()});
        }
        if (!sheet.empty()) {
            WriteIfChanged(sheet, EncodePng(ContactSheet(set, zoom)));
            std::printf("assetgen: contact sheet written to %s\n", sheet.string().c_str());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
