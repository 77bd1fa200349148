#include "game/control/audio/sound_effects.h"

#include "common/paths.h"
#include "game/control/run/message_box.h"
#include "game/rules/messages.h"

namespace zelkor {

SoundEffects::SoundEffects(Game& game, SoundDevice& device, MessageBoxService& messageBox,
                           AudioHooks hooks)
    : game_(game), device_(device), messageBox_(messageBox), hooks_(std::move(hooks)) {}

void SoundEffects::DS_Init() {
    game_.sound.deviceReady = device_.Open();
    if (!game_.sound.deviceReady)
        messageBox_.Show(MessageIcon::Critical, "Zelkor", kSoundStartFailedText);
}

int SoundEffects::FindEntry(std::string_view path) const {
    for (int entry = 1; entry <= kMaxSoundEntries; ++entry) {
        const std::string& held = game_.sound.entries[entry];
        if (!held.empty() && SameIgnoringCase(held, path)) return entry;
    }
    return 0;
}

int SoundEffects::ZkLoadSound(std::string_view path) {
    auto& entries = game_.sound.entries;
    int entry = 1;
    while (entry < kMaxSoundEntries && !entries[entry].empty())
        ++entry;
    if (entry == kMaxSoundEntries) {
        // The last entry is never handed out: reaching it empties the whole table.
        device_.ReleaseBuffers();
        for (std::string& p : entries)
            p.clear();
        entry = 1;
    }
    entries[entry] = path;
    const bool made = device_.CreateBuffer(entry, hooks_.toFile(path));
    if (game_.run.debug && hooks_.consolePrint) {
        hooks_.consolePrint("ZkLoadSound: Loading " + std::string(path) + " to buffer " +
                            std::to_string(entry) + ".");
    }
    if (!made) {
        messageBox_.Show(MessageIcon::Critical, "ZkLoadSound: Could not load sound",
                         "unable to find " + std::string(path));
        return 0;
    }
    return entry;
}

bool SoundEffects::zkPlaySound(std::string_view path, int snake, int balance) {
    SoundState& sound = game_.sound;
    AskedEffect& asked =
        sound.recent[static_cast<std::size_t>(sound.askedCount % kRecentEffectCount)];
    ++sound.askedCount;
    asked.path.assign(path);
    asked.snake = static_cast<std::int16_t>(snake);
    asked.entry = 0;
    asked.played = false;

    const Options& o = game_.options;
    if (!sound.deviceReady || !o.sndEnabled) return true;
    if (snake > 1 && !o.kiSndEnabled) return true;

    int entry = FindEntry(path);
    if (entry == 0) {
        entry = ZkLoadSound(path);
        if (entry == 0) return false;
    }
    device_.Play(entry, balance, 0);
    asked.entry = static_cast<std::int16_t>(entry);
    asked.played = true;
    if (game_.run.debug) ShowMessage(game_, "zkPlaySound: " + std::string(path));
    return true;
}

}  // namespace zelkor
