#include "tools/assetgen/asset_set.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tools/assetgen/bmp.h"
#include "tools/assetgen/png.h"

namespace zelkor::assetgen {

void AssetSet::AddPicture(std::string path, Image image, KeyMode key) {
    pictures_.push_back({std::move(path), std::move(image), key});
}

void AssetSet::AddPicture(std::string path, const Canvas& canvas, KeyMode key) {
    AddPicture(std::move(path), Finish(canvas, key), key);
}

void AssetSet::AddFile(std::string path, std::vector<unsigned char> bytes) {
    files_.push_back({std::move(path), std::move(bytes)});
}

void AssetSet::Merge(AssetSet&& other) {
    for (PictureEntry& p : other.pictures_)
        pictures_.push_back(std::move(p));
    for (FileEntry& f : other.files_)
        files_.push_back(std::move(f));
    std::sort(pictures_.begin(), pictures_.end(),
              [](const PictureEntry& a, const PictureEntry& b) { return a.path < b.path; });
}

void AssetSet::KeepOnly(const std::string& prefixes) {
    auto wanted = [&](const std::string& path) {
        std::size_t start = 0;
        while (start <= prefixes.size()) {
            const std::size_t comma = std::min(prefixes.find(',', start), prefixes.size());
            if (path.rfind(prefixes.substr(start, comma - start), 0) == 0) return true;
            start = comma + 1;
        }
        return false;
    };
    std::erase_if(pictures_, [&](const PictureEntry& p) { return !wanted(p.path); });
    std::erase_if(files_, [&](const FileEntry& f) { return !wanted(f.path); });
}

std::vector<FileEntry> AssetSet::Files() const {
    std::vector<FileEntry> all = files_;
    for (const PictureEntry& p : pictures_) {
        const bool png = p.path.size() > 4 && p.path.substr(p.path.size() - 4) == ".png";
        all.push_back({p.path, png ? EncodePng(p.image) : EncodeBmp(p.image)});
    }
    std::sort(all.begin(), all.end(),
              [](const FileEntry& a, const FileEntry& b) { return a.path < b.path; });
    return all;
}

std::vector<FileEntry> AssetSet::FilesUnder(const std::string& prefix) const {
    std::vector<FileEntry> all = Files();
    std::erase_if(all, [&](const FileEntry& f) { return f.path.rfind(prefix, 0) != 0; });
    return all;
}

void WriteIfChanged(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            const std::vector<unsigned char> old((std::istreambuf_iterator<char>(in)),
                                                 std::istreambuf_iterator<char>());
            if (old == bytes) return;
        }
    }
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace zelkor::assetgen
