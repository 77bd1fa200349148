#pragma once

#include <string>
#include <vector>

#include "game/control/run/message_box.h"
#include "tests/common/temp_folder.h"

namespace zelkor {

// Remembers every box shown and answers with its default button.
class RecordingMessageBox final : public MessageBoxService {
public:
    struct Box {
        MessageIcon icon;
        std::string title;
        std::string text;
    };
    MessageAnswer Show(MessageIcon icon, std::string_view title, std::string_view text,
                       MessageButtons buttons) override {
        boxes.push_back({icon, std::string(title), std::string(text)});
        return DefaultAnswer(buttons);
    }
    std::vector<Box> boxes;
};

}  // namespace zelkor
