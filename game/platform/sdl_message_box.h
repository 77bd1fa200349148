#pragma once

#include <iosfwd>

#include "game/control/run/message_box.h"

namespace zelkor {

// Message boxes of the desktop through SDL. Without a display (no X11 or Wayland
// display, or SDL's dummy or offscreen video driver) the box is written to standard
// error and takes its default button, as NullMessageBox does.
class SdlMessageBox final : public MessageBoxService {
public:
    SdlMessageBox();
    explicit SdlMessageBox(std::ostream& fallback) : fallback_(&fallback) {}
    MessageAnswer Show(MessageIcon icon, std::string_view title, std::string_view text,
                       MessageButtons buttons = MessageButtons::Ok) override;

private:
    std::ostream* fallback_;
};

}  // namespace zelkor
