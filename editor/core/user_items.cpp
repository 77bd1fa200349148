#include "editor/core/user_items.h"

#include <cstdlib>

namespace zelkor::editor {
namespace {

std::size_t SlotIndex(char letter) {
    const int slot = UserItemSlotOfLetter(letter);
    if (slot == 0) std::abort();
    return static_cast<std::size_t>(slot - 1);
}

}  // namespace

std::optional<char> UserItems::Add(UserItem item) {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i]) continue;
        slots_[i] = std::move(item);
        return static_cast<char>('a' + i);
    }
    return std::nullopt;
}

void UserItems::Remove(std::string_view entry) {
    const std::optional<char> letter = LetterOfEntry(entry);
    if (!letter) return;
    auto& slot = Slot(*letter);
    if (slot && EntryText(*letter, *slot) == entry) slot.reset();
}

std::optional<char> UserItems::LetterOfEntry(std::string_view entry) {
    if (entry.empty() || !IsUserItemCode(entry.front())) return std::nullopt;
    return entry.front();
}

std::vector<std::string> UserItems::Entries() const {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i]) entries.push_back(EntryText(static_cast<char>('a' + i), *slots_[i]));
    return entries;
}

std::string UserItems::EntryText(char letter, const UserItem& item) {
    std::string text(1, letter);
    if (!item.type.empty()) text += ": " + item.type;
    if (!item.gfx.empty()) text += ": " + item.gfx;
    return text;
}

const std::optional<UserItem>& UserItems::Slot(char letter) const {
    return slots_[SlotIndex(letter)];
}

std::optional<UserItem>& UserItems::Slot(char letter) {
    return slots_[SlotIndex(letter)];
}

RequiredFiles::AddResult RequiredFiles::Add(std::string name) {
    for (std::string& slot : slots_) {
        if (!slot.empty()) continue;
        if (name.empty()) return AddResult::Empty;
        slot = std::move(name);
        return AddResult::Added;
    }
    return AddResult::Full;
}

void RequiredFiles::Remove(std::string_view entry) {
    for (std::string& slot : slots_)
        if (slot == entry) slot.clear();
}

std::vector<std::string> RequiredFiles::Entries() const {
    std::vector<std::string> entries;
    for (const std::string& slot : slots_)
        if (!slot.empty()) entries.push_back(slot);
    return entries;
}

}  // namespace zelkor::editor
