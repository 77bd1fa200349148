#include "game/control/audio/recording_audio.h"

#include <algorithm>
#include <cmath>
#include <system_error>

namespace zelkor {

bool RecordingSound::CreateBuffer(int entry, const std::filesystem::path& file) {
    if (std::find(unreadable.begin(), unreadable.end(), file) != unreadable.end()) return false;
    buffers.push_back({entry, file});
    return true;
}

bool RecordingMusic::Load(const std::filesystem::path& file) {
    std::error_code error;
    loaded_ = std::filesystem::is_regular_file(file, error);
    ended = false;
    calls.push_back("load " + file.filename().string() + (loaded_ ? "" : " failed"));
    return loaded_;
}

bool RecordingMusic::Play(double seconds) {
    if (!loaded_) return false;
    ended = false;
    calls.push_back("play " + std::to_string(std::lround(seconds)));
    return true;
}

void RecordingMusic::Stop() {
    calls.emplace_back("stop");
}

void RecordingMusic::SetVolume(int hundredthsOfDecibel) {
    calls.push_back("volume " + std::to_string(hundredthsOfDecibel));
}

}  // namespace zelkor
