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
  # The kept win played headless, a picture each second; the run ends before the later
  # ones come due, so it says not every screenshot could be written.
  shots=$(mktemp -d)
  every=()
  for s in $(seq 1 300); do every+=(--screenshot-at $((s * 1000)) "$shots/$s.png"); done
  "$dist/Zelkor" --game-dir "$game" --headless --replay "tests/content/replays/lvl$lvl.zkreplay" \
    --screenshot-at 32 "$out/lvl$lvl-first.png" \
    --screenshot-at 600 "$out/lvl$lvl-start.png" "${every[@]}" 2>/dev/null || true
  # The replay goes on for a second after the win.
  taken=$(ls "$shots" | wc -l)
  mv "$shots/$(((taken - 1) / 2 + 1)).png" "$out/lvl$lvl-middle.png"
  rm -rf "$shots"
  name=$(sed -n 's/^lvlName= //p' "content/lvl/lvl$lvl.dat" | tr -d '\r')
  sheet+=("$out/lvl$lvl-start.png" "$lvl  $name")
done
"$build/tools/levelsheet/levelsheet" "$out/contact-sheet.png" --columns 3 "${sheet[@]}"
echo "level-shots: $out/contact-sheet.png"
