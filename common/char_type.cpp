#include "common/char_type.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>

namespace zelkor {

void UseUtf8CharacterType() {
    const char* codeset = nl_langinfo(CODESET);
    if (codeset != nullptr && std::strcmp(codeset, "UTF-8") == 0) return;
    if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) std::setlocale(LC_CTYPE, "en_US.UTF-8");
}

}  // namespace zelkor
