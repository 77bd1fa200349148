#!/usr/bin/env bash
# Pictures of every shipped level for review, in BUILD/levels: the first frame of play
# (the level's information screen), the field shortly after the start and the middle of
# the level's kept win, and one contact sheet of all of them shortly after the start.
# Usage: scripts/level-shots.sh [BUILD]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
dist=$build/dist
out=$build/levels
mkdir -p "$out"

# The runs unpack the archives into a folder of their own, linked to the staged one.
game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp -al "$dist"/. "$game"/

sheet=()
for lvl in $(ls content/lvl | sed -n 's/^lvl\([0-9]*\)\.dat$/\1/p' | sort -n); do
  replay=tests/content/replays/lvl$lvl.keys
  # "# seed S won-at T lives-lost L"
  read -r _ _ seed _ won _ < "$replay"
  middle=$((won / 2))
  "$dist/Zelkor" --game-dir "$game" --headless --seed "$seed" --run-ms $((middle + 100)) \
    --keys "$replay" \
    --screenshot-at 32 "$out/lvl$lvl-first.png" \
    --screenshot-at 600 "$out/lvl$lvl-start.png" \
    --screenshot-at "$middle" "$out/lvl$lvl-middle.png" \
    "/L=lvl$lvl.dat"
  name=$(sed -n 's/^lvlName= //p' "content/lvl/lvl$lvl.dat" | tr -d '\r')
  sheet+=("$out/lvl$lvl-start.png" "$lvl  $name")
done
"$build/tools/levelsheet/levelsheet" "$out/contact-sheet.png" --columns 3 "${sheet[@]}"
echo "level-shots: $out/contact-sheet.png"
