#include "tools/zkpack/pack_folder.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/zkpack/archive_writer.h"

namespace zelkor::zkpack {
namespace fs = std::filesystem;

void PackFolder(const fs::path& folder, const fs::path& out, std::string_view password) {
    if (!fs::is_directory(folder))
        throw std::runtime_error("zkpack: " + folder.string() + " is not a folder");

    struct Item {
        std::string name;  // relative, '/' separators; folders end in '/'
        fs::path source;
    };
    std::vector<Item> items;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        std::string name = entry.path().lexically_relative(folder).generic_string();
        if (entry.is_symlink() || !(entry.is_regular_file() || entry.is_directory()))
            throw std::runtime_error("zkpack: " + entry.path().string() +
                                     " is neither a file nor a folder");
        if (entry.is_directory()) name += '/';
        items.push_back({std::move(name), entry.path()});
    }
    std::sort(items.begin(), items.end(),
              [](const Item& a, const Item& b) { return a.name < b.name; });

    ArchiveWriter writer(out, ArchiveFormat::Zip, password);
    for (const Item& item : items) {
        if (item.name.back() == '/')
            writer.AddFolder(item.name);
        else
            writer.AddFileFrom(item.name, item.source);
    }
    writer.Finish();
}

}  // namespace zelkor::zkpack
