#!/usr/bin/env bash
# Installs what is missing, builds Brisola and starts its main job.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
# Without an argument, show the sample project.
if [ $# -eq 0 ]; then
    set -- "$root/tests/data/model_sample/sample.zrj"
fi
exec "$root/build/cli/brisola-compile" "$@"
