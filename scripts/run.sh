#!/usr/bin/env bash
# Installs what is missing, builds Brisola and starts its main job.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "$root/build/cli/brisola-compile" "$@"
