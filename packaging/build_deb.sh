#!/usr/bin/env bash
# Builds the Debian package from the build into DEB_DIR, afresh, for the checks that read it
# (check_deb.sh, check_lintian.sh): ctest runs this once, before either of them.
# Usage: build_deb.sh CPACK BUILD_DIR DEB_DIR
set -euo pipefail
cpack=$1 build=$2 out=$3
rm -rf "$out"
mkdir -p "$out"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log" >&2; echo "FAIL: cpack could not build the package" >&2; exit 1; }
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] ||
  { echo "FAIL: cpack made no single .deb: ${debs[*]}" >&2; exit 1; }
echo "built ${debs[0]}"
