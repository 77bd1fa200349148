#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/level_format.h"

namespace zelkor::editor {

// One user-defined item: its letter is fixed by its slot (slot 1 is "a"), its type
// goes to a "let:" line and its graphics name to a "set:" line. Either part may be
// missing in a loaded level; the save writes only the lines it has.
struct UserItem {
    std::string type;  // "wall", "ani_wall", ... (any text may be typed)
    std::string gfx;   // "bricks\brick2_v.bmp", ...
    friend bool operator==(const UserItem&, const UserItem&) = default;
};

// The 26 user-item slots, a..z. Texts are Windows-1252.
class UserItems {
public:
    static constexpr std::string_view kFullMessage = "No free Useritems Left. Maximum: 26";

    // The lowest free slot takes the item; nothing when all 26 are used.
    std::optional<char> Add(UserItem item);
    // Empties the slot whose list entry is `entry`.
    void Remove(std::string_view entry);
    // The letter a list entry stands for.
    static std::optional<char> LetterOfEntry(std::string_view entry);

    // "a: wall: bricks\brick2_v.bmp" for each used slot, "a" first.
    std::vector<std::string> Entries() const;
    static std::string EntryText(char letter, const UserItem& item);

    const std::optional<UserItem>& Slot(char letter) const;
    std::optional<UserItem>& Slot(char letter);
    void Clear() { slots_.fill(std::nullopt); }

    friend bool operator==(const UserItems&, const UserItems&) = default;

private:
    std::array<std::optional<UserItem>, kMaxUserItems> slots_{};
};

// The 32 required-file slots.
class RequiredFiles {
public:
    static constexpr std::string_view kFullMessage = "No free Files Left. Maximum: 32";

    enum class AddResult { Added, Empty, Full };
    // The first empty slot takes the name; an empty name is not added.
    AddResult Add(std::string name);
    // Empties every slot holding `entry`.
    void Remove(std::string_view entry);
    // The names in slot order (a name may stand in several slots).
    std::vector<std::string> Entries() const;
    void Clear() { slots_.fill({}); }

    friend bool operator==(const RequiredFiles&, const RequiredFiles&) = default;

private:
    std::array<std::string, kMaxRequiredFiles> slots_{};
};

}  // namespace zelkor::editor
