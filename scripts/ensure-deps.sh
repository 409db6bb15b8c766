#!/usr/bin/env bash
# Installs the Debian packages the build needs, but only those that are missing, with a
# single `apt-get update` beforehand. Extra package names may be passed as arguments.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-webengine-dev qt6-translations-l10n libqt6svg6
    libgif-dev libjpeg-dev libpng-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    dpkg-dev file gzip appstream desktop-file-utils
    "$@"
)

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

SUDO=""
if [[ $(id -u) -ne 0 ]]; then
    SUDO="sudo"
fi
echo "Installing missing packages: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
