#!/usr/bin/env bash
# Builds the Debian package korvane2_<version>_<architecture>.deb in a clean build folder
# (build-package/, or the folder given as $1), checks it, and puts it into the project folder:
#   scripts/package.sh && sudo apt install ./korvane2_*.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$root/build-package}"
"$root/scripts/ensure-deps.sh"
rm -rf "$build_dir"

# Built with the hardening flags of Debian's own packages.
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CFLAGS CXXFLAGS LDFLAGS
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_INSTALL_PREFIX=/usr -DKVX_BUILD_TESTS=OFF -DKVX_BUILD_BENCH=OFF
cmake --build "$build_dir" --parallel "$(nproc)"
(cd "$build_dir" && cpack -G DEB)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
package=$(echo "$build_dir"/package/korvane2_"$version"_*.deb)
KVX_PACKAGE_REQUIRED=1 "$root/tests/package/check_package.sh" "$package" "$version" \
    "$build_dir/bin/korvane2" "$build_dir/bin/kvxtool"
cp "$package" "$root/"
echo "Package: $root/$(basename "$package")"
