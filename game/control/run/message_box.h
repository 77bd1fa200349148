#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace zelkor {

enum class MessageIcon { None, Critical, Question, Warning, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The button a box takes when nobody can press one: its first button.
MessageAnswer DefaultAnswer(MessageButtons buttons);

// A modal message box. Title and text are Windows-1252, lines joined by CR LF.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MessageAnswer Show(MessageIcon icon, std::string_view title, std::string_view text,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
};

// Writes title and text to a stream (standard error unless told otherwise) and
// takes the default button. Used without a display, in tests and headless runs.
class NullMessageBox final : public MessageBoxService {
public:
    NullMessageBox();
    explicit NullMessageBox(std::ostream& out) : out_(&out) {}
    MessageAnswer Show(MessageIcon icon, std::string_view title, std::string_view text,
                       MessageButtons buttons = MessageButtons::Ok) override;

private:
    std::ostream* out_;
};

// A box's text in UTF-8 with plain line ends, as desktops and terminals want it.
std::string MessageTextUtf8(std::string_view cp1252);

// How NullMessageBox writes a box, in UTF-8: a line "Zelkor: " + title (after
// "error: " for the critical icon), then the text with plain line ends.
void WriteMessageBox(std::ostream& out, MessageIcon icon, std::string_view title,
                     std::string_view text);

}  // namespace zelkor
