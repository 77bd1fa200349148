#include "game/platform/sdl_message_box.h"

#include <SDL.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace zelkor {
namespace {

bool IsHeadlessDriver(std::string_view driver) {
    return driver == "dummy" || driver == "offscreen";
}

bool HasDisplay() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        const char* driver = SDL_GetCurrentVideoDriver();
        return driver != nullptr && !IsHeadlessDriver(driver);
    }
    if (const char* driver = std::getenv("SDL_VIDEODRIVER"); driver && IsHeadlessDriver(driver))
        return false;
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

Uint32 IconFlags(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Critical:
            return SDL_MESSAGEBOX_ERROR;
        case MessageIcon::Warning:
            return SDL_MESSAGEBOX_WARNING;
        case MessageIcon::Question:
        case MessageIcon::Information:
        case MessageIcon::None:
            break;
    }
    return SDL_MESSAGEBOX_INFORMATION;
}

struct Button {
    MessageAnswer answer;
    const char* caption;
};

std::vector<Button> ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return {{MessageAnswer::Ok, "OK"}, {MessageAnswer::Cancel, "Cancel"}};
        case MessageButtons::YesNo:
            return {{MessageAnswer::Yes, "Yes"}, {MessageAnswer::No, "No"}};
        case MessageButtons::YesNoCancel:
            return {{MessageAnswer::Yes, "Yes"},
                    {MessageAnswer::No, "No"},
                    {MessageAnswer::Cancel, "Cancel"}};
        case MessageButtons::Ok:
            break;
    }
    return {{MessageAnswer::Ok, "OK"}};
}

}  // namespace

SdlMessageBox::SdlMessageBox() : fallback_(&std::cerr) {}

MessageAnswer SdlMessageBox::Show(MessageIcon icon, std::string_view title, std::string_view text,
                                  MessageButtons buttons) {
    if (HasDisplay()) {
        const std::vector<Button> choices = ButtonsOf(buttons);
        std::vector<SDL_MessageBoxButtonData> data;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            Uint32 flags = 0;
            if (i == 0) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
            if (i + 1 == choices.size()) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
            data.push_back({flags, static_cast<int>(i), choices[i].caption});
        }
        const std::string utf8Title = MessageTextUtf8(title);
        const std::string utf8Text = MessageTextUtf8(text);
        const SDL_MessageBoxData box{IconFlags(icon) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
                                     nullptr,
                                     utf8Title.c_str(),
                                     utf8Text.c_str(),
                                     static_cast<int>(data.size()),
                                     data.data(),
                                     nullptr};
        int pressed = -1;
        if (SDL_ShowMessageBox(&box, &pressed) == 0) {
            // Closing the box counts as its last button (Cancel, No or OK).
            if (pressed < 0 || pressed >= static_cast<int>(choices.size()))
                pressed = static_cast<int>(choices.size()) - 1;
            return choices[static_cast<std::size_t>(pressed)].answer;
        }
    }
    WriteMessageBox(*fallback_, icon, title, text);
    return DefaultAnswer(buttons);
}

}  // namespace zelkor
