#!/usr/bin/env bash
# Builds the editor and the command-line compiler where needed and writes the
# Debian package build/brisola_<version>_amd64.deb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
if [ ! -f "$root/build/build.ninja" ]; then
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISOLA_WERROR=ON >/dev/null
fi
cmake --build "$root/build" --parallel "$(nproc)" --target brisola brisola-compile brisola_man_pages
cd "$root/build"
cpack -G DEB >cpack.log || { cat cpack.log; exit 1; }
package="$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' cpack.log)"
[ -f "$package" ] || { cat cpack.log; echo "No package was written."; exit 1; }
echo "$package"
