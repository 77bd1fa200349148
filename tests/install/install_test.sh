#!/usr/bin/env bash
# install_test.sh BUILD SOURCE: installs the build into a scratch prefix the way
# `make install` does (without touching the build's own install manifest), checks the
# desktop entries and metainfo, makes the prefix read-only, plays a kept replay with the
# installed game from another folder, checks that nothing under the prefix changed,
# checks that a newer installed version starts as a new install, then uninstalls and
# checks that nothing is left.
set -euo pipefail
build=$1 source=$2

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zelkor-install-XXXXXX")
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
prefix=$scratch/root/usr
fail() { echo "FAIL: $*" >&2; exit 1; }

# The packaging folder's install script holds every install rule; run on its own it
# leaves build/install_manifest.txt alone, so the manifest is written here instead.
cat >"$scratch/install.cmake" <<CMAKE
include("$build/packaging/cmake_install.cmake")
list(JOIN CMAKE_INSTALL_MANIFEST_FILES "\n" files)
file(WRITE "\${MANIFEST}" "\${files}\n")
CMAKE

# A staged installation, as a package builds it: nothing in it, and nothing in its
# manifest, names the staging folder.
stage=$scratch/stage
DESTDIR=$stage cmake -DCMAKE_INSTALL_PREFIX=/usr -DMANIFEST="$scratch/staged.txt" \
  -P "$scratch/install.cmake" >/dev/null
[ -x "$stage/usr/bin/Zelkor" ] || fail "the staged installation has no game program"
grep -q '^Exec=/usr/bin/Zelkor$' "$stage/usr/share/applications/org.zelkor.Zelkor.desktop" ||
  fail "the staged desktop entry does not start /usr/bin/Zelkor"
! grep -rlI -- "$stage" "$stage" "$scratch/staged.txt" || fail "the staging folder is named above"
DESTDIR=$stage cmake -DMANIFEST="$scratch/staged.txt" -P "$source/packaging/uninstall.cmake" >/dev/null
[ -z "$(find "$stage" -type f)" ] || fail "the staged uninstall left files: $(find "$stage" -type f | head -3)"
cmake -DCMAKE_INSTALL_PREFIX="$prefix" -DMANIFEST="$scratch/manifest.txt" -P "$scratch/install.cmake" >/dev/null

[ -x "$prefix/bin/Zelkor" ] || fail "no installed game program"
for size in 16 32 48 64 128 256; do
  [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/org.zelkor.Zelkor.png" ] ||
    fail "no ${size}x${size} icon"
done
for entry in "$prefix"/share/applications/*.desktop; do
  desktop-file-validate "$entry" || fail "$entry does not validate"
  program=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ %f$//')
  [ -x "$program" ] || fail "$entry starts $program, which is not installed"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -f "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "$entry names no installed icon"
done
appstreamcli validate --no-net "$prefix/share/metainfo/org.zelkor.Zelkor.metainfo.xml" >/dev/null ||
  fail "the metainfo does not validate"
cmp -s "$build/dist/lvl/lvl1.dat" "$prefix/share/zelkor/lvl/lvl1.dat" || fail "lvl1.dat not shipped"

# The level type: the editor's entry opens a file of it, and the MIME database the
# installation built knows a level by its content, not by the common ".dat".
if [ -x "$prefix/bin/ZelkorLvlEdit" ]; then
  grep -q "^Exec=$prefix/bin/ZelkorLvlEdit %f\$" "$prefix/share/applications/org.zelkor.ZelkorLvlEdit.desktop" ||
    fail "the editor's desktop entry does not take a file"
  [ -f "$prefix/share/mime/mime.cache" ] || fail "the installation did not build the MIME database"
  filetype() { XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$scratch/no-data-home" \
    gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
  [ "$(filetype "$prefix/share/zelkor/lvl/lvl1.dat")" = application/x-zelkor-level ] ||
    fail "a shipped level is $(filetype "$prefix/share/zelkor/lvl/lvl1.dat")"
  printf 'numbers 1 2 3\n' >"$scratch/plain.dat"
  { head -c 4090 /dev/zero | tr '\0' x; printf '[Level Info]\n'; } >"$scratch/late.dat"
  for other in plain late; do
    [ "$(filetype "$scratch/$other.dat")" != application/x-zelkor-level ] ||
      fail "$other.dat is taken for a level"
  done
fi

# Everything under the prefix, with sizes, times and contents; root ignores the
# read-only bits, so this is what proves that nothing was written there.
snapshot() { (cd "$prefix" && find . -printf '%p %y %s %T@ %m\n' | sort &&
  find . -type f -exec md5sum {} + | sort); }
chmod -R a-w "$prefix"
before=$(snapshot)

mkdir "$scratch/elsewhere"
(cd "$scratch/elsewhere" &&
  XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" "$prefix/bin/Zelkor" \
    --verify-replay "$source/tests/content/replays/lvl1.zkreplay" \
    --dump "$scratch/dump.json" >/dev/null) || fail "the installed game did not verify a kept win"
grep -q '"Next Level!!!"' "$scratch/dump.json" || fail "the replay did not win its level"

[ "$before" = "$(snapshot)" ] || fail "the game wrote under the prefix"
[ -z "$(ls -A "$scratch/elsewhere")" ] || fail "the game wrote into the folder it was started from"
player=$scratch/data/Zelkor
cmp -s "$prefix/share/zelkor/gfx.zkr" "$player/gfx.zkr" || fail "no copy of the shipped data"
[ -d "$player/gfx" ] && [ -d "$player/snd" ] || fail "the game's own folders are missing"

# After a newer installed version the game starts as a new install: a picture kept
# unpacked ("/NoClean=True") and changed since is unpacked afresh, and only then.
play() { (cd "$scratch/elsewhere" && XDG_DATA_HOME="$scratch/data" "$prefix/bin/Zelkor" --headless \
  --run-ms 100 --settings "$scratch/settings.ini" /NoClean=True) || fail "the installed game did not run"; }
picture=$player/gfx/menu/bkg.bmp
play
[ -f "$picture" ] || fail "nothing was kept unpacked"
echo changed >"$picture"
play
[ "$(cat "$picture")" = changed ] || fail "a kept picture was unpacked again without a new version"
chmod -R u+w "$prefix"
sed -i 's/^[0-9a-f]* \([0-9]* gfx\.zkr\)$/0newer \1/' "$prefix/share/zelkor/shipped.lst"
play
[ "$(cat "$picture")" != changed ] || fail "a newer installed version did not unpack the pictures afresh"
grep -q '^NewInstall=False' "$scratch/settings.ini" || fail "the new install did not end"

cmake -DMANIFEST="$scratch/manifest.txt" -P "$source/packaging/uninstall.cmake" >/dev/null
[ ! -e "$scratch/root/usr" ] || fail "left behind: $(cd "$scratch/root" && find usr | head -5)"
echo "installed, played read-only and uninstalled cleanly"
