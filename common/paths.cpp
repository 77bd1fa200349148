#include "common/paths.h"

#include <system_error>

namespace zelkor {
namespace fs = std::filesystem;
namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::string ToRelativePath(std::string_view gamePath) {
    std::string out;
    out.reserve(gamePath.size());
    std::string_view rest = gamePath;
    while (!rest.empty()) {
        const std::size_t cut = rest.find_first_of("\\/");
        const std::string_view part = rest.substr(0, cut);
        if (!part.empty()) {
            if (!out.empty()) out += '/';
            out += part;
        }
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 1);
    }
    return out;
}

fs::path ResolvePath(const fs::path& base, std::string_view relative) {
    fs::path current = base;
    bool searching = true;  // once a component is missing, the rest is kept as written
    const std::string rel = ToRelativePath(relative);
    std::string_view rest = rel;
    while (!rest.empty()) {
        const std::size_t cut = rest.find('/');
        const std::string_view part = rest.substr(0, cut);
        fs::path next = current / fs::path(std::string(part));
        std::error_code ec;
        if (searching && !fs::exists(next, ec)) {
            bool found = false;
            for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
                const std::string name = it->path().filename().string();
                if (SameIgnoringCase(name, part)) {
                    next = it->path();
                    found = true;
                    break;
                }
            }
            searching = found;
        }
        current = std::move(next);
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 1);
    }
    return current;
}

bool PathExists(const fs::path& base, std::string_view relative) {
    std::error_code ec;
    return fs::exists(ResolvePath(base, relative), ec);
}

fs::path AbsolutePath(const fs::path& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute;
}

bool IsInside(const fs::path& folder, const fs::path& path) {
    std::error_code ec;
    const fs::path root = fs::weakly_canonical(folder, ec);
    if (ec) return false;
    const fs::path target = fs::weakly_canonical(path, ec);
    if (ec) return false;
    auto r = root.begin(), t = target.begin();
    for (; r != root.end(); ++r, ++t) {
        if (r->empty() && std::next(r) == root.end()) break;  // a trailing separator
        if (t == target.end() || *r != *t) return false;
    }
    return true;
}

}  // namespace zelkor
