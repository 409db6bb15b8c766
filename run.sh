#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor: ./run.sh [FILE]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/ensure-deps.sh"
"$root/scripts/build.sh" "$root/build"
exec "$root/build/bin/korvane2" "$@"
