#!/usr/bin/env bash
# Makes the RAR archives the archive tests read. Run once by hand; the results are
# committed, so neither the tests nor CI need the `rar` command (Debian non-free
# package `rar`, version 7, which writes RAR 5 only). ZIP, 7z and tar archives are
# made by the tests themselves. damaged-encrypted.rar is not made here: it is an input
# the fuzzer found, on which libunrar reads uninitialised memory.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

printf 'hello\n' > hello.txt
mkdir -p Snd/deep
printf 'wave\n' > Snd/collect.wav
printf 'deep\n' > Snd/deep/x.bmp
printf 'summer\n' > "été.txt"
printf 'must not leave the folder\n' > evil.txt
touch -d '2000-01-01 00:00:00' hello.txt Snd Snd/deep Snd/collect.wav Snd/deep/x.bmp "été.txt" evil.txt

r() { rar a -idq -ma5 -m3 "$@"; }
(cd "$here" && rm -f plain.rar password.rar headers.rar subfolder.rar nonascii.rar escape.rar rar4-stored.rar huge-dictionary.rar)
r "$here/plain.rar" hello.txt
r -pkt90472 "$here/password.rar" hello.txt Snd/collect.wav
r -hpkt90472 "$here/headers.rar" hello.txt Snd/collect.wav
r -r "$here/subfolder.rar" Snd
r "$here/nonascii.rar" "été.txt"
r "$here/escape.rar" hello.txt
r -ap../../escape "$here/escape.rar" evil.txt
python3 "$here/make-rar4.py" "$here/rar4-stored.rar"
python3 "$here/make-rar5-dictionary.py" "$here/huge-dictionary.rar"
