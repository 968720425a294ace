#!/usr/bin/env bash
# Builds the Debian package from the build and runs lintian on it: any error or warning fails.
# Usage: check_lintian.sh CPACK BUILD_DIR LINTIAN
set -euo pipefail
cpack=$1 build=$2 lintian=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
# Info tags are shown as well, but only errors and warnings fail.
"$lintian" --fail-on error,warning --display-info "$work"/*.deb
echo "lintian finds no error or warning"
