#!/usr/bin/env bash
# Installs what is missing, builds Brisola and runs its main job without a
# window: compiles the start-up template, saved as the project welcome.zrj,
# into a new temporary folder (or the folder named as the first argument) and
# says where the preview page is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
target="${1:-$(mktemp -d "${TMPDIR:-/tmp}/brisola.XXXXXX")}"
mkdir -p "$target"
target="$(cd "$target" && pwd)"
"$root/build/cli/brisola-compile" --save-as "$target/welcome.zrj" "$root/templates/Default.zrj"
echo
echo "Compiled into $target"
echo "Preview page: $target/welcome_Preview.html (open it in a web browser)"
