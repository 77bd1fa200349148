#include "common/captions.h"

namespace zelkor {

std::string ModelCaption(std::string_view name, std::string_view author) {
    std::string caption(name);
    caption += " by ";
    caption += author;
    return caption;
}

std::string_view FlagCaption(bool on) {
    return on ? "activated" : "deactivated";
}

std::string_view YesNo(int value) {
    return value == 0 ? "no" : "yes";
}

std::string_view OrdinalSuffix(int number) {
    switch (number) {
        case 1:
            return "st";
        case 2:
            return "nd";
        case 3:
            return "rd";
        default:
            return "th";
    }
}

}  // namespace zelkor
