#!/usr/bin/env bash
# Installs what is missing, builds the editor and the command-line compiler and
# starts the editor with the start-up template, or with the project named as
# the first argument.
#
# On a machine without a display (neither DISPLAY nor WAYLAND_DISPLAY set) it
# says so and compiles instead: the project given, or the start-up template,
# saved as the project welcome.zrj in a new temporary folder; either way it
# says where the preview page is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
if [ ! -f "$root/build/build.ninja" ]; then
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISOLA_WERROR=ON >/dev/null
fi
cmake --build "$root/build" --parallel "$(nproc)" --target brisola brisola-compile
editor="$(find "$root/build/editor" -name brisola -type f -perm -u+x | head -n 1)"
compiler="$root/build/cli/brisola-compile"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$editor" "$@"
fi

echo "No display (DISPLAY and WAYLAND_DISPLAY are not set): compiling instead of starting the editor."
if [ $# -ge 1 ]; then
    exec "$compiler" "$1"
fi
target="$(mktemp -d "${TMPDIR:-/tmp}/brisola.XXXXXX")"
"$compiler" --save-as "$target/welcome.zrj" "$root/templates/Default.zrj"
echo "Compiled into $target"
