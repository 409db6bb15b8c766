#!/usr/bin/env bash
# Installs what is missing, builds, packs that build as a Debian package (where dpkg-deb is
# there) and runs every test, the package's own among them. With SANITIZE=1 the whole suite
# is built and run a second time under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/ensure-deps.sh"
"$root/scripts/build.sh" "$root/build"

# The package of the build just made; a stale one must not be checked in its place, and once
# packed, a missing package fails the package test instead of skipping it.
package_required=0
if [[ -f "$root/build/CPackConfig.cmake" ]] && command -v dpkg-deb >/dev/null; then
    rm -rf "$root/build/package"
    (cd "$root/build" && cpack -G DEB)
    package_required=1
fi
KVX_PACKAGE_REQUIRED=$package_required \
    ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"

if [[ "${SANITIZE:-0}" == "1" ]]; then
    "$root/scripts/build.sh" "$root/build-sanitize" -DKVX_SANITIZE=ON -DKVX_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$root/build-sanitize" --output-on-failure --parallel "$(nproc)"
fi
