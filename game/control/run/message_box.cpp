#include "game/control/run/message_box.h"

#include <iostream>
#include <string>

#include "common/text_encoding.h"

namespace zelkor {

MessageAnswer DefaultAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            break;
    }
    return MessageAnswer::Ok;
}

std::string MessageTextUtf8(std::string_view cp1252) {
    std::string text = Cp1252ToUtf8(cp1252);
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

void WriteMessageBox(std::ostream& out, MessageIcon icon, std::string_view title,
                     std::string_view text) {
    const char* kind = icon == MessageIcon::Critical  ? "error: "
                       : icon == MessageIcon::Warning ? "warning: "
                                                      : "";
    out << "Zelkor: " << kind << MessageTextUtf8(title) << '\n'
        << MessageTextUtf8(text) << '\n'
        << std::flush;
}

NullMessageBox::NullMessageBox() : out_(&std::cerr) {}

MessageAnswer NullMessageBox::Show(MessageIcon icon, std::string_view title, std::string_view text,
                                   MessageButtons buttons) {
    WriteMessageBox(*out_, icon, title, text);
    return DefaultAnswer(buttons);
}

}  // namespace zelkor
