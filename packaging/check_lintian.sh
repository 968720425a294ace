#!/usr/bin/env bash
# Runs lintian on the Debian package build_deb.sh built: any error or warning fails.
# Usage: check_lintian.sh DEB_DIR LINTIAN
set -euo pipefail
out=$1 lintian=$2

debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] ||
  { echo "FAIL: no single .deb in $out: ${debs[*]}" >&2; exit 1; }
# Info tags are shown as well, but only errors and warnings fail.
"$lintian" --fail-on error,warning --display-info "${debs[0]}"
echo "lintian finds no error or warning"
