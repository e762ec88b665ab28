#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the short fuzz runs first, then the CTest suite (its summary closes the output).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
"$root/scripts/fuzz.sh"
cd "$root/build"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
ctest --output-on-failure --timeout 600 -j "$(nproc)"
