#include "common/level_format.h"

#include <algorithm>
#include <cstdlib>

#include "common/paths.h"

namespace zelkor {

char StartCode(int snake) {
    if (snake < 1 || snake > kMaxSnakes) std::abort();
    return kStartCodes[static_cast<std::size_t>(snake - 1)];
}

bool IsUserItemType(std::string_view type) {
    return std::find(kUserItemTypes.begin(), kUserItemTypes.end(), type) != kUserItemTypes.end();
}

std::optional<UserItemLine> SplitUserItemLine(std::string_view line) {
    if (line.size() < 7) return std::nullopt;  // no value
    const auto code = static_cast<unsigned char>(line[4]);
    if (code < 97 || code > 133) return std::nullopt;
    return UserItemLine{line[4], line.substr(6)};
}

bool IsLevelArchiveName(std::string_view name) {
    return name.size() >= 4 && SameIgnoringCase(name.substr(name.size() - 4), ".zkr");
}

}  // namespace zelkor
