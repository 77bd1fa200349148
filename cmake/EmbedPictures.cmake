# cmake -DDIR=<folder> -DNAMES=<a;b;...> -DOUT=<file.cpp> -P EmbedPictures.cmake
# Writes the definition of StartupPictureBytes: the bytes of DIR/<name>.bmp for each
# name, in the order of the StartupPicture enumeration. An empty DIR writes empty
# pictures (a build without generated art).
set(arrays "")
set(cases "")
set(index 0)
foreach(name IN LISTS NAMES)
  set(bytes "")
  if(DIR)
    file(READ "${DIR}/${name}.bmp" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  endif()
  string(APPEND arrays "const std::uint8_t k_${name}[] = {${bytes}0};\n")
  # The last byte is padding, so that an empty picture is still an array.
  string(APPEND cases "        case ${index}:\n            return {k_${name}, sizeof k_${name} - 1};\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUT}.tmp" "// Made by cmake/EmbedPictures.cmake from the generated pictures.
#include \"game/present/startup_pictures.h\"

namespace zelkor {
namespace {
${arrays}}  // namespace

std::span<const std::uint8_t> StartupPictureBytes(StartupPicture which) {
    switch (static_cast<int>(which)) {
${cases}        default:
            return {};
    }
}

}  // namespace zelkor
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
