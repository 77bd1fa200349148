#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// `Zelkor --headless`: the whole game without a window or audio device, on a
// manual clock, with scripted keys. The same arguments give the same run.
struct HeadlessOptions {
    std::filesystem::path gameDir;
    std::optional<std::filesystem::path> settingsFile;  // none: a fresh store, discarded
    std::int64_t seed = 0;                              // the clock reads seed + elapsed game time
    std::int64_t frameMs = 16;                          // game time per pass of any loop
    std::int64_t runMs = 60000;                         // the run ends after this much game time
    std::optional<std::filesystem::path> keysFile;
    std::optional<std::filesystem::path> dumpFile;
    std::string commandLine;  // the game's own switches
    // Pictures of the back buffer to write as PNG: the frame shown at or just after
    // game time `atMs` (counted from the start of the run, like key times).
    struct Screenshot {
        std::int64_t atMs = 0;
        std::filesystem::path file;
    };
    std::vector<Screenshot> screenshots;
    // Where F12 writes its pictures; none: F12 says that it cannot.
    std::optional<std::filesystem::path> picturesFolder;
};

class ArchiveReaderFactory;
class PictureFiles;
class TextRenderer;

// The real file services a headless run uses, so that it unpacks, decodes and
// draws as the game does.
struct HeadlessPlatform {
    ArchiveReaderFactory& archiveReaders;
    PictureFiles& pictureFiles;
    TextRenderer& text;
};

// Runs the game headless and writes the dump: the game as it stood when the run's
// time ran out (a box still waiting for its key shows as waiting). Returns the
// exit status. Archives ("gfx.zkr", "Requires=") are unpacked for real and every
// frame is drawn into the back buffer; screenshots are written from it.
int RunHeadless(const HeadlessOptions& options, const HeadlessPlatform& platform);

}  // namespace zelkor
