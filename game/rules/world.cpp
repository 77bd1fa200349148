#include "game/rules/world.h"

namespace zelkor {

std::string_view ItemKindName(ItemKind kind) {
    static constexpr std::array<std::string_view, 6> kNames{"Yellow", "Red", "Blue",
                                                            "Black",  "TNT", "Power"};
    return kNames[static_cast<std::size_t>(kind)];
}

std::string SpawnState::Text() const {
    switch (kind) {
        case Kind::Free:
            return {};
        case Kind::New:
            return "new";
        case Kind::Item:
            return std::to_string(slot);
    }
    return {};
}

}  // namespace zelkor
