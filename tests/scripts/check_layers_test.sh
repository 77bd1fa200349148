#!/usr/bin/env bash
# scripts/check-layers passes on the checkout and fails on an include planted against
# each row of the layer table (one folder or library a row does not allow).
set -u
source_dir=$1
check="$source_dir/scripts/check-layers"
python3 "$check" "$source_dir" || { echo "the checkout itself breaks a layer rule"; exit 1; }

failed=0
plant() {  # FILE INCLUDE: a tree holding only FILE with INCLUDE must fail, naming FILE
    local tree
    tree=$(mktemp -d)
    mkdir -p "$tree/$(dirname "$1")"
    printf '#include <vector>\n#include "common/paths.h"\n#include %s\n' "$2" >"$tree/$1"
    if output=$(python3 "$check" "$tree"); then
        echo "not caught: $2 in $1"; failed=1
    elif [[ $output != "$1:3:"* ]]; then
        echo "wrong report for $2 in $1: $output"; failed=1
    fi
    rm -rf "$tree"
}
plant common/a.h '"game/rules/game.h"'
plant common/a.cpp '<nlohmann/json.hpp>'
plant game/rules/a.h '"game/level/level_loader.h"'
plant game/level/a.h '"game/present/screen.h"'
plant game/present/a.cpp '"game/control/run/quit.h"'
plant game/present/a.cpp '<SDL.h>'
plant game/control/run/a.h '"game/platform/sdl_window.h"'
plant game/control/a.cpp '<QString>'
plant game/platform/a.cpp '"editor/core/grid.h"'
plant game/main.cpp '"tools/assetgen/png.h"'
plant editor/core/a.cpp '<QString>'
plant editor/core/a.cpp '"game/rules/game.h"'
plant editor/ui/a.cpp '"game/rules/game.h"'
plant editor/main.cpp '<SDL2/SDL.h>'
plant tools/assetgen/a.cpp '"game/present/surface.h"'
exit $failed
