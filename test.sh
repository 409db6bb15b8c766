#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. With SANITIZE=1 the whole suite
# is built and run a second time under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/ensure-deps.sh"
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"

if [[ "${SANITIZE:-0}" == "1" ]]; then
    "$root/scripts/build.sh" "$root/build-sanitize" -DKVX_SANITIZE=ON -DKVX_BUILD_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$root/build-sanitize" --output-on-failure --parallel "$(nproc)"
fi
