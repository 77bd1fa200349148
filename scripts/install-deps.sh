#!/usr/bin/env bash
# Installs the Debian packages Zelkor needs to build and test. Safe to run again:
# it asks dpkg what is there and only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build clang clang-format libclang-rt-14-dev
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libsdl2-image-dev
  libunrar-dev libarchive-dev libsimpleini-dev nlohmann-json3-dev libssl-dev
  qt6-base-dev libfreetype-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev xvfb
  fonts-dejavu-core timgm6mb-soundfont
  desktop-file-utils appstream shared-mime-info libglib2.0-bin ccache
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for p in "${packages[@]}"; do
  is_installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
as_root apt-get update -qq

# libunrar-dev lives in Debian's non-free component. "non-free-firmware", which a
# fresh Debian 12 lists, is another component and does not count.
enable_non_free() {
  local deb822=/etc/apt/sources.list.d/debian.sources classic=/etc/apt/sources.list
  local word='(^|[[:space:]])non-free([[:space:]]|$)'
  if [ -f "$deb822" ]; then
    as_root sed -i -E "/^Components:/ { /$word/! s/\$/ non-free/ }" "$deb822"
  fi
  if [ -f "$classic" ]; then
    as_root sed -i -E "/^deb[[:space:]]/ { /$word/! s/\$/ non-free/ }" "$classic"
  fi
  as_root apt-get update -qq
}
if printf '%s\n' "${missing[@]}" | grep -qx libunrar-dev && ! apt-cache show libunrar-dev >/dev/null 2>&1; then
  enable_non_free
fi

as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
