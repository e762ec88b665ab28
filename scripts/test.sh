#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the short fuzz runs first, then the CTest suite (its summary closes the output).
# Fails when the run changed the checkout (a file left behind, modified or removed).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
checkout_state() {
    git -C "$root" status --porcelain --untracked-files=all 2>/dev/null || true
}
before="$(checkout_state)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
"$root/scripts/fuzz.sh"
cd "$root/build"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
ctest --output-on-failure --timeout 600 -j "$(nproc)"
after="$(checkout_state)"
if [ "$before" != "$after" ]; then
    echo "The test run changed the checkout:"
    diff <(echo "$before") <(echo "$after") || true
    exit 1
fi
