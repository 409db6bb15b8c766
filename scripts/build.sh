#!/usr/bin/env bash
# Configures (once) and builds the project into build/ (or the folder given as $1).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$root/build}"
shift || true
if [[ ! -f "$build_dir/build.ninja" ]]; then
    cmake -S "$root" -B "$build_dir" -G Ninja "$@"
fi
cmake --build "$build_dir" --parallel "$(nproc)"
