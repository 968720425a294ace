#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and builds
# into build/. Sourced by ./run and ./test; works as root and, through sudo, as a normal user.
# A script that needs more packages names them in the array prepare_extra before sourcing this.
set -euo pipefail

packages=(cmake g++ make pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-wqy-microhei nlohmann-json3-dev xvfb xauth xdotool imagemagick time locales
  ${prepare_extra[@]+"${prepare_extra[@]}"})

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# A comma-decimal locale, so that the tests can show that numbers do not depend on it.
if ! locale -a 2>/dev/null | grep -qx 'de_DE.utf8'; then
  "${sudo[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || echo "note: could not generate de_DE.UTF-8"
fi

build_dir=${TORVALE_BUILD_DIR:-build}
# Warnings as errors: a change that brings a warning does not build here.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DTORVALE_WERROR=ON
cmake --build "$build_dir" --parallel "$(nproc)"
