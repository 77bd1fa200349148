#include "game/control/run/run_registration.h"

#include <sys/file.h>

#include "common/lock_file.h"

namespace zelkor {

RunRegistration::RunRegistration(const std::filesystem::path& gameFolder, std::ostream& problems)
    : lock_(OpenLockFile(gameFolder / kRunLockName)), problems_(&problems) {
    registered_ = lock_.ok() && LockFile(lock_.get(), LOCK_SH);
}

bool RunRegistration::IsLastCopy() {
    if (!problems_) return true;
    if (!registered_) {
        if (!told_)
            *problems_ << "Zelkor: the game folder gives no locks, so other copies of the game "
                          "cannot be told apart; the clean-up deletes what they may still use\n";
        told_ = true;
        return true;
    }
    // Turning the shared lock into an exclusive one fails while any other copy holds
    // its shared lock. Should it fail, the shared lock may be gone, which only lets the
    // copy that ends after this one clean up.
    return LockFile(lock_.get(), LOCK_EX | LOCK_NB);
}

std::function<bool()> LastCopyQuestion(RunRegistration* registration) {
    if (!registration) return {};
    return [registration] { return registration->IsLastCopy(); };
}

}  // namespace zelkor
