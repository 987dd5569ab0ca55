#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zerbo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages Zerbo needs to build, test and run, if any are missing.
# The names hold on Debian 12 and 13: libclang-rt-dev follows the default clang.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-dev qt6-base-dev qt6-svg-dev libgl1-mesa-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-dejavu-core
          qt6-translations-l10n desktop-file-utils appstream dpkg-dev file lintian reuse
          poppler-utils)
# Split off from other packages in later releases: wanted where the release has them
# (Qt's SVG image and icon plugins, a package of their own since Qt 6.6).
optional=(qt6-svg-plugins)

missing=()
find_missing() {
    missing=()
    local p
    for p in "${packages[@]}"; do
        installed "$p" || missing+=("$p")
    done
    for p in "${optional[@]}"; do
        installed "$p" || ! known "$p" || missing+=("$p")
    done
}
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
known() { [ -n "$(apt-cache show --no-all-versions "$1" 2>/dev/null)" ]; }

find_missing
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; elif command -v sudo >/dev/null; then sudo="sudo"; else
    echo "Please install as root: apt-get install ${missing[*]}" >&2; exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
find_missing  # the fresh package lists may know more of the optional names
echo "Installing missing packages: ${missing[*]}"
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
