#pragma once

#include <string>
#include <string_view>

namespace zelkor {

// The two built-in key maps for typing, named as on the command line ("/KM=").
enum class KeyMap { US, DE };

// "DE" is the German map; every other name means the US map.
KeyMap KeyMapNamed(std::string_view name);

// The character a main-block key types, as one Windows-1252 byte; the empty text for keys that
// type nothing. Space types " " in both maps. With shift, the US map types capitals and its
// shifted signs; the German map keeps its letters in lower case and types its shifted signs.
std::string DI_KeyChar(int key, bool shift, KeyMap keyMap);
std::string DI_KeyChar(int key, bool shift, std::string_view keyMapName);

}  // namespace zelkor
