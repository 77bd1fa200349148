# Shared compile settings for every Zelkor target.
add_library(zelkor_warnings INTERFACE)
target_compile_options(zelkor_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(ZELKOR_WERROR)
  target_compile_options(zelkor_warnings INTERFACE -Werror)
endif()

# The stricter set for the game's core folders (common, rules, level, control): no
# name hides another, and no number narrows without a cast that says so. Clang's
# -Wconversion also counts sign changes, which GCC leaves to -Wsign-conversion.
add_library(zelkor_strict_warnings INTERFACE)
target_compile_options(zelkor_strict_warnings INTERFACE -Wshadow -Wconversion
  $<$<CXX_COMPILER_ID:Clang>:-Wno-sign-conversion>)

if(ZELKOR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Fuzz builds: every library carries the fuzzer's coverage hooks and the sanitizers;
# the fuzz targets themselves link libFuzzer (tests/fuzz).
if(ZELKOR_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# zelkor_library(NAME SOURCES ... [DEPS ...]) - one static library per code folder.
function(zelkor_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE zelkor_warnings ${ARG_PRIVATE_DEPS})
endfunction()

# zelkor_program(NAME SOURCES ... [DEPS ...]) - an executable staged into the game folder.
function(zelkor_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE zelkor_warnings ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${ZELKOR_DIST_DIR}")
endfunction()

# zelkor_folder_library(NAME [DEPS ...] [PRIVATE_DEPS ...]) - the library of one code folder,
# made of every .cpp file in it and its subfolders, so that people adding files never edit
# the same list.
function(zelkor_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)  # a folder that holds only headers so far
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${CMAKE_SOURCE_DIR}")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  zelkor_library(${name} SOURCES ${sources} DEPS ${ARG_DEPS} PRIVATE_DEPS ${ARG_PRIVATE_DEPS})
endfunction()
