#!/usr/bin/env bash
# Configures and builds Brisola in build/ (Release with debug information).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISOLA_WERROR=ON "$@"
cmake --build "$root/build" --parallel "$(nproc)"
