#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop and a user find there: every
# file in its place, the desktop file, metainfo and icons agreeing on one id, and both programs
# running from the installed tree.
# Usage: check_install.sh CMAKE BUILD_DIR window|cli
set -euo pipefail
cmake=$1 build=$2 faces=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

id=org.torvale.Torvale
files=(bin/torvale-calc share/man/man1/torvale-calc.1.gz share/doc/torvale/copyright
  share/doc/torvale/changelog.gz share/doc/torvale/使用说明.md share/doc/torvale/main-window.png
  share/doc/torvale/夏季工况.torvale)
if [ "$faces" = window ]; then
  files+=(bin/torvale share/man/man1/torvale.1.gz "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml" "share/mime/packages/$id.xml"
    "share/icons/hicolor/scalable/apps/$id.svg")
  for size in 16 32 48 256; do files+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
fi
for f in "${files[@]}"; do [ -f "$prefix/$f" ] || fail "$f is not installed"; done
[ -x "$prefix/bin/torvale-calc" ] || fail "bin/torvale-calc is not executable"

if [ "$faces" = window ]; then
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  for size in 16 32 48 256; do
    read -r w h < <(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" |
      awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    [ "$w x $h" = "$size x $size" ] || fail "the ${size}x$size icon is $w x $h"
  done
  desktop=$prefix/share/applications/$id.desktop
  grep -qx "Icon=$id" "$desktop" || fail "the desktop file does not name the icon $id"
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metainfo does not launch $id.desktop"
  if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
      fail "the installed metainfo does not validate"
  fi
  QT_QPA_PLATFORM=offscreen timeout 60 "$prefix/bin/torvale" --quit-after-first-paint 2>/dev/null ||
    fail "the installed window program did not start and paint"
fi

out=$("$prefix/bin/torvale-calc" --tw 25 20) || fail "the installed torvale-calc failed"
grep -Eq '^含湿量 g/kg +12\.61$' <<<"$out" || fail "worked example: got
$out"
gzip -t "$prefix/share/man/man1/torvale-calc.1.gz" || fail "the manual page is not a gzip file"
echo "installed tree in order"
