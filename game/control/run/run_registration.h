#pragma once

#include <filesystem>
#include <functional>
#include <ostream>

#include "common/file_descriptor.h"

namespace zelkor {

// The lock file every running copy of the game holds in its game folder.
inline constexpr const char* kRunLockName = ".zelkor-running.lock";

// A running copy of the game, registered in its game folder for the whole run: it holds
// a shared lock on the run lock there. The quit clean-up deletes the unpacked files only
// when no other copy is registered, since the others still draw from them. A lock dies
// with its process, so a crashed copy never blocks the clean-up.
class RunRegistration {
public:
    // Not registered: every clean-up counts as the last copy's.
    RunRegistration() = default;
    // Registers in `gameFolder`; waits while the last copy of an earlier run cleans up,
    // so that this one unpacks afresh after it. `problems` hears once why copies cannot
    // be told apart, if it comes to a clean-up.
    RunRegistration(const std::filesystem::path& gameFolder, std::ostream& problems);

    // True when no other running copy is registered. From then on this copy holds the
    // folder alone until it ends, so a copy starting meanwhile waits for the clean-up.
    // Where the file system gives no locks, every copy counts as the last, as before
    // copies were told apart, and the problem stream says so once.
    bool IsLastCopy();

private:
    FileDescriptor lock_;
    std::ostream* problems_ = nullptr;
    bool registered_ = false;
    bool told_ = false;
};

// The quit clean-up's question whether this is the last copy; empty without a
// registration.
std::function<bool()> LastCopyQuestion(RunRegistration* registration);

}  // namespace zelkor
