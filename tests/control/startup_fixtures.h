#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/control/message_box.h"

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

// A fresh folder, removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zelkor-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path Touch(const std::filesystem::path& relative) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "";
        return file;
    }

private:
    std::filesystem::path path_;
};

}  // namespace zelkor
