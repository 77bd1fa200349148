#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"

namespace zelkor::assetgen {

struct PictureEntry {
    std::string path;  // relative, '/' separated, e.g. "gfx/menu/bkg.bmp"
    Image image;
    KeyMode key = KeyMode::NearBlack;
};

struct FileEntry {
    std::string path;
    std::vector<unsigned char> bytes;
};

// Everything the generator makes, in memory, before it is written out or packed.
class AssetSet {
public:
    void AddPicture(std::string path, Image image, KeyMode key);
    void AddPicture(std::string path, const Canvas& canvas, KeyMode key);
    void AddFile(std::string path, std::vector<unsigned char> bytes);
    void Merge(AssetSet&& other);
    // Drops every picture and file whose path starts with none of the comma-separated prefixes.
    void KeepOnly(const std::string& prefixes);

    const std::vector<PictureEntry>& Pictures() const { return pictures_; }
    // Pictures encoded as bitmaps (PNG for ".png" paths) and the other files, sorted by path.
    std::vector<FileEntry> Files() const;
    // The files whose path starts with `prefix`.
    std::vector<FileEntry> FilesUnder(const std::string& prefix) const;

private:
    std::vector<PictureEntry> pictures_;
    std::vector<FileEntry> files_;
};

// Writes bytes to path unless the file already holds exactly them (so that nothing
// downstream sees a new time stamp for an unchanged file). Creates folders.
void WriteIfChanged(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

}  // namespace zelkor::assetgen
