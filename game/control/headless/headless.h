#pragma once

#include "game/control/options/program_options.h"

namespace zelkor {

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

// `Zelkor --headless`: runs the game without a window or audio device, on a manual
// clock, with scripted keys, and writes the dump: the game as it stood when the run's
// time ran out (a box still waiting for its key shows as waiting). Returns the exit
// status. Archives ("gfx.zkr", "Requires=") are unpacked for real and every frame is
// drawn into the back buffer; screenshots are written from it. The run keeps its
// settings in the file given with --settings, else in a store of its own that goes
// with it, so the player's settings file is never touched.
int RunHeadless(const ProgramOptions& options, const HeadlessPlatform& platform);

}  // namespace zelkor
